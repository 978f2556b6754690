// What the golden files do not show: the document's title and author.
#include "output/dokument.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

TEST(Zeugnisdokument, TitelNenntDenArbeitnehmerVerfasserIstDerArbeitgeber) {
    Zeugnisdaten daten = anfangsdaten();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Hans Mustermann");
    EXPECT_EQ(zeugnismodell(daten, {}).verfasser, "Zevuz Elektonikhandelsgesellschaft mbH");
    daten.text(Eingabe::Vorname).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Mustermann");
    daten.text(Eingabe::Name).clear();
    daten.art = Zeugnisart::Zwischenzeugnis;
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zwischenzeugnis");
}

} // namespace
