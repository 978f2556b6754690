#pragma once

#include "compose/komposition.h"
#include "output/zeugnisaufbau.h"

namespace velmora::test {

// The previews as the window's labels hold them after a composition: empty where no grade.
inline AngezeigteVorschautexte komponierteVorschauen(const Zeugnisdaten& daten) {
    const Vorschautexte komponiert = alleVorschautexte(daten);
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = komponiert[i].value_or("");
    }
    return texte;
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
