// What the golden files do not show: the document's title and author, and the built-in page
// setup standing in for a base that is no RTF document.
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

TEST(Zeugnisdokument, UnbrauchbareBasisGibtDieEingebauteSeite) {
    const Dokumentmodell modell = zeugnismodell(anfangsdaten(), {});
    const Zeugnisdokument ohneBasis = rtfDokument(modell, {});
    EXPECT_FALSE(ohneBasis.basisVerwendet);
    for (const std::string kaputt : {"kein RTF", "{\\rtf1 offen", "\xd0\xcf\x11\xe0 binary"}) {
        const Zeugnisdokument dokument = rtfDokument(modell, kaputt);
        EXPECT_FALSE(dokument.basisVerwendet);
        EXPECT_EQ(dokument.rtf, ohneBasis.rtf);
    }
}

} // namespace
