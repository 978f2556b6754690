#pragma once

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

// The initial inputs with the show flags of the given sections set.
inline Zeugnisdaten mitAnzeige(const std::vector<int>& gezeigt) {
    Zeugnisdaten daten = anfangsdaten();
    for (const int bereich : gezeigt) {
        daten.bereich(bereich).anzeige = anzeigeAn;
    }
    return daten;
}

} // namespace velmora::test
