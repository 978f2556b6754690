#include "output/dokument.h"
#include "support/rtfleser.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;
using namespace velmora::test;

namespace {

TEST(Zeugnisdokument, mergesIntoTheBaseKeepingItsSetupAndBody) {
    const std::string basis =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier;}}"
        "\\paperw12240\\margl1800\r\n\\pard\\plain\\f1\\fs24 Anlage\\par}";
    const Zeugnisdokument dokument = zeugnisdokument(anfangsdaten(), markierteVorschauen(), basis);
    EXPECT_TRUE(dokument.basisVerwendet);
    EXPECT_NE(dokument.rtf.find("{\\f2\\fswiss\\fcharset0 Arial;}}\\paperw12240\\margl1800"),
              std::string::npos);
    const Gelesen inhalt = rtfLesen(dokument.rtf);
    EXPECT_EQ(inhalt.offeneGruppen, 0);
    EXPECT_EQ(inhalt.schrift, 2);
    // The base's own text follows in a paragraph of its own; the employer stays justified.
    ASSERT_EQ(inhalt.absaetze.size(), 22u);
    EXPECT_EQ(inhalt.absaetze[19].text, "Zevuz Elektonikhandelsgesellschaft mbH");
    EXPECT_EQ(inhalt.absaetze[19].ausrichtung, 'j');
    EXPECT_EQ(inhalt.absaetze[20].text, "Anlage");
}

TEST(Zeugnisdokument, unusableBaseFallsBackToTheBuiltInPageSetup) {
    const Zeugnisdokument ohneBasis = zeugnisdokument(anfangsdaten(), markierteVorschauen(), {});
    EXPECT_FALSE(ohneBasis.basisVerwendet);
    for (const std::string kaputt : {"kein RTF", "{\\rtf1 offen", "\xd0\xcf\x11\xe0 binary"}) {
        const Zeugnisdokument dokument =
            zeugnisdokument(anfangsdaten(), markierteVorschauen(), kaputt);
        EXPECT_FALSE(dokument.basisVerwendet);
        EXPECT_EQ(dokument.rtf, ohneBasis.rtf);
    }
}

// The letterhead above the reference: the logo as a picture, the lines small and centred;
// a list item's bullet is text before a tab in a hanging indent.
TEST(Zeugnisdokument, letterheadAndListItems) {
    Dokumentmodell modell;
    modell.briefkopf.logo = Bild{Bildformat::Jpeg, "\xff\xd8\x01", 2400, 1200};
    modell.briefkopf.zeilen = {"Zevuz {GmbH}"};
    modell.absaetze = {{.laeufe = {{"Einkauf", {.kursiv = true}, 1}}, .listenpunkt = true}};
    const std::string rtf = rtfDokument(modell, {}).rtf;
    EXPECT_NE(rtf.find("{\\pict\\jpegblip\\picwgoal2400\\pichgoal1200\r\nffd801}"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\fi-360\\li360\r\n{"), std::string::npos);
    const Gelesen gelesen = rtfLesen(rtf);
    ASSERT_EQ(gelesen.absaetze.size(), 4u);
    EXPECT_EQ(gelesen.absaetze[1].text, "Zevuz {GmbH}");
    EXPECT_EQ(gelesen.absaetze[1].ausrichtung, 'c');
    EXPECT_EQ(gelesen.absaetze[1].format, "18/100");
    EXPECT_EQ(gelesen.absaetze[3].text, "\u2022\tEinkauf");
    EXPECT_EQ(gelesen.absaetze[3].format, "20/100 i20/100");
}

} // namespace
