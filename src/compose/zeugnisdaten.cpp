#include "compose/zeugnisdaten.h"

namespace velmora {

const std::array<Eingabefeld, anzahlEingaben> eingabefelder = {{
    {Eingabe::Vorname, "Vorname", "Hans", false},
    {Eingabe::Name, "Name", "Mustermann", false},
    {Eingabe::Geburtsdatum, "Geburtsdatum", "16.04.1947", true},
    {Eingabe::Geburtsort, "Geburtsort", "München", false},
    {Eingabe::Taetigkeit, "Tätigkeit", "Anteilungsleiter Elektonik", false},
    {Eingabe::Firma, "Vorname und Name/Firma", "Zevuz Elektonikhandelsgesellschaft mbH", false},
    {Eingabe::Ort, "Ort und Datum für das Zeugnis", "Düsseldorf", false},
    {Eingabe::Eintrittsdatum, "Eintrittsdatum", "01.04.1995", true},
    {Eingabe::Austrittsdatum, "Austrittsdatum", "30.06.2003", true},
    {Eingabe::Datum, ",", "30.06.2003", true},
}};

Zeugnisdaten anfangsdaten() {
    Zeugnisdaten daten;
    for (const auto& feld : eingabefelder) {
        daten.text(feld.eingabe) = std::string(feld.anfangstext);
    }
    return daten;
}

} // namespace velmora
