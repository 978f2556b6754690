#include "compose/zeugnisdaten.h"

#include "encoding/zeichensatz.h"

#include <algorithm>

namespace velmora {

namespace {

// White space as Unicode counts it (the characters of Zs, Zl and Zp, tab to carriage return,
// NEL).
constexpr bool leerraum(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

} // namespace

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

bool leer(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!leerraum(naechsterCodepunkt(text, pos))) {
            return false;
        }
    }
    return true;
}

bool Aufgaben::eingetragen() const {
    return !std::ranges::all_of(liste, leer);
}

Zeugnisdaten anfangsdaten() {
    Zeugnisdaten daten;
    for (const auto& feld : eingabefelder) {
        daten.text(feld.eingabe) = std::string(feld.anfangstext);
    }
    return daten;
}

} // namespace velmora
