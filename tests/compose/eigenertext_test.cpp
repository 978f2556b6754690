// The user's own words for a section, as the reference carries them in place of the library's.
#include "compose/eigenertext.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(EigenerText, WieDasZeugnisIhnTraegt) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/eigene_texte.txt")) {
        const Zeugnisart art =
            zeile.at(1) == "Z" ? Zeugnisart::Zwischenzeugnis : Zeugnisart::Endzeugnis;
        EXPECT_EQ(eigenerText(std::stoi(zeile.at(0)), art, zeile.at(2)), zeile.at(3))
            << zeile[0] << " " << zeile[2];
    }
}

// Exactly the sections whose library texts run on into the next, in both kinds.
TEST(EigenerText, AbschnitteOhneAbsatz) {
    for (const Zeugnisart art : zeugnisarten) {
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            EXPECT_EQ(laeuftWeiter(bereich, art),
                      bereich == 1 || bereich == 3 || bereich == 5 || bereich == 7)
                << bereich;
        }
    }
}
