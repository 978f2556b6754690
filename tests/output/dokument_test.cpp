#include "output/basisdokument.h"
#include "output/dokument.h"
#include "support/rtfleser.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

const std::string normal = "20/100";

// Whatever the user typed stands in the document as typed and cannot change its structure.
TEST(Zeugnisdokument, hostileInputsAppearExactlyAsTyped) {
    for (const std::string eingabe :
         {"Ma{r}k\\par", "}}}}", "{\\rtf1 {\\*\\x}", "\\'e4\\u1234?", "Łódź ł", "Straße € 😀",
          "{\\field{\\*\\fldinst HYPERLINK x}}", "Zeile\r\nzwei\t"}) {
        Zeugnisdaten daten = mitAnzeige({1});
        daten.text(Eingabe::Vorname) = eingabe;
        daten.text(Eingabe::Firma) = eingabe;
        AngezeigteVorschautexte texte = markierteVorschauen();
        texte[0] = eingabe;
        const Gelesen dokument = rtfLesen(zeugnisdokument(daten, texte, {}).rtf);
        const std::string sichtbar = eingabe == "Zeile\r\nzwei\t" ? "Zeilezwei\t" : eingabe;
        EXPECT_EQ(dokument.offeneGruppen, 0) << eingabe;
        ASSERT_EQ(dokument.absaetze.size(), 22u) << eingabe;
        EXPECT_EQ(dokument.absaetze[4].text.substr(5, sichtbar.size()), sichtbar);
        EXPECT_EQ(dokument.absaetze[13].text, sichtbar);
        EXPECT_EQ(dokument.absaetze.back().text, sichtbar);
        EXPECT_EQ(dokument.absaetze[4].format, normal) << eingabe;
    }
}

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
// a list item's bullet is text before a tab.
TEST(Zeugnisdokument, letterheadAndListItems) {
    Dokumentmodell modell;
    modell.briefkopf.logo = Bild{Bildformat::Jpeg, "\xff\xd8\x01", 2400, 1200};
    modell.briefkopf.zeilen = {"Zevuz {GmbH}"};
    modell.absaetze = {{.laeufe = {{"Einkauf", {.kursiv = true}, 1}}, .listenpunkt = true},
                       {.laeufe = {{"Ende", {}, 0}}}};
    const std::string rtf = rtfDokument(modell, {}).rtf;
    EXPECT_NE(rtf.find("\\pard\\qc\\sb0\\sa0\r\n{\\pict\\jpegblip\\picwgoal2400\\pichgoal1200\r\n"
                       "ffd801}"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\ql\\sb0\\sa0\\fi-360\\li360\r\n"), std::string::npos);
    const Gelesen gelesen = rtfLesen(rtf);
    ASSERT_EQ(gelesen.absaetze.size(), 5u);
    const std::vector<std::tuple<std::string, char, std::string>> erwartet = {
        {"", 'c', "18/100"},   {"Zevuz {GmbH}", 'c', "18/100"},
        {"", 'c', "18/100"},   {"\u2022\tEinkauf", 'l', "20/100 i20/100"},
        {"Ende", 'l', normal},
    };
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(std::tie(gelesen.absaetze[i].text, gelesen.absaetze[i].ausrichtung,
                           gelesen.absaetze[i].format),
                  erwartet[i])
            << "paragraph " << i + 1;
    }
}

} // namespace
