#pragma once

#include "output/basisdokument.h"
#include "output/dokument.h"
#include "output/zeugnisaufbau.h"

namespace velmora::test {

// The reference as RTF on the base document's page, as the window writes Zeugnis.doc (without
// a letterhead); on the built-in base without one. A base that is no RTF document throws.
inline std::string zeugnisdokument(const Zeugnisdaten& daten,
                                   const AngezeigteVorschautexte& vorschautexte,
                                   std::optional<std::string_view> basis) {
    const Basisdokument zerlegt = basis ? basisdokumentZerlegen(*basis).value() : eingebauteBasis();
    return rtfDokument(zeugnismodell(daten, vorschautexte, zerlegt.seite), zerlegt);
}

// The initial inputs with every section graded (1 to 6 in turn, within its scale) and shown.
inline Zeugnisdaten alleBewertet(int geschlecht) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = geschlecht;
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        daten.bereich(bereich) = {bereich == 12 ? 1 + bereich % 3 : 1 + bereich % 6, anzeigeAn};
    }
    return daten;
}

// Every section graded and a long list of tasks: a reference of two pages.
inline Dokumentmodell zweiseitigesZeugnis() {
    Zeugnisdaten daten = alleBewertet(frau);
    daten.aufgaben.bereich = "Einkauf";
    for (int i = 1; i <= 24; ++i) {
        daten.aufgaben.liste.push_back("Verhandlung der Rahmenverträge mit Lieferanten, Gruppe " +
                                       std::to_string(i));
    }
    return zeugnismodell(daten, komponierteVorschautexte(daten));
}

} // namespace velmora::test
