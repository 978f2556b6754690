#pragma once

#include "compose/komposition.h"
#include "output/zeugnisaufbau.h"

#include <string>
#include <vector>

namespace velmora::test {

// Preview texts "<1>" to "<13>", so that a layout shows which section stands where.
inline AngezeigteVorschautexte markierteVorschauen() {
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = std::to_string(i + 1);
        texte[i].insert(0, 1, '<');
        texte[i] += '>';
    }
    return texte;
}

// The previews as the window's labels hold them after a composition: empty where no grade.
inline AngezeigteVorschautexte komponierteVorschauen(const Zeugnisdaten& daten) {
    const Vorschautexte komponiert = alleVorschautexte(daten);
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = komponiert[i].value_or("");
    }
    return texte;
}

// The initial inputs with the show flags of the given sections set.
inline Zeugnisdaten mitAnzeige(const std::vector<int>& gezeigt) {
    Zeugnisdaten daten = anfangsdaten();
    for (const int bereich : gezeigt) {
        daten.bereich(bereich).anzeige = anzeigeAn;
    }
    return daten;
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

} // namespace velmora::test
