#include "output/klartext.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using velmora::test::markierteVorschauen;
using velmora::test::mitAnzeige;

namespace {

// The head of the reference with the initial inputs, up to the empty line after the fourth
// placeholder, written out by hand.
std::string kopf(const std::string& anrede, const std::string& seinen) {
    std::string text = "ZEUGNIS\r\n\r\n\r\n";
    text += anrede;
    text += " Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
            "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik "
            "beschäftigt.\r\n\r\nBeispiel: \r\n\r\nZu ";
    text += seinen;
    text += " Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
            "folgender Tätigkeiten:\r\n\r\n"
            "[Tätigkeit hier einsetzen]\r\n[Tätigkeit hier einsetzen]\r\n"
            "[Tätigkeit hier einsetzen]\r\n[Tätigkeit hier einsetzen]\r\n\r\n";
    return text;
}

const std::string schluss = "30.06.2003, Düsseldorf\r\n\r\n\r\n\r\n\r\n___________________\r\n"
                            "Zevuz Elektonikhandelsgesellschaft mbH";

struct Fall {
    const char* wozu;
    std::vector<int> gezeigt;
    std::string zwischen; // what stands between the head and the place-and-date line
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

class KlartextAufbau : public testing::TestWithParam<Fall> {};

TEST_P(KlartextAufbau, stehtZwischenKopfUndSchluss) {
    const Fall& fall = GetParam();
    EXPECT_EQ(klartext(mitAnzeige(fall.gezeigt), markierteVorschauen()),
              kopf("Herr", "seinen") + fall.zwischen + schluss);
}

const std::string alleBereiche = "<1>\r\n\r\n\r\n<2>\r\n\r\n\r\n<3><4>\r\n\r\n\r\n<5><6>\r\n\r\n"
                                 "<7><8>\r\n\r\n<9>\r\n\r\n<10>\r\n\r\n<11>\r\n\r\n<12>\r\n\r\n"
                                 "<13>\r\n\r\n\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Bereiche, KlartextAufbau,
    testing::Values(Fall{"nothing shown", {}, ""},
                    Fall{"only section 3 runs on into the place and date", {3}, "<3>"},
                    Fall{"sections 3 and 5 without 4 share a line", {3, 5}, "<3><5>"},
                    Fall{"every section in section order",
                         {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                         alleBereiche}));

TEST(Klartext, shownSectionWithoutGradeAddsOnlyItsBreaks) {
    AngezeigteVorschautexte texte = markierteVorschauen();
    texte[0].clear();
    EXPECT_EQ(klartext(mitAnzeige({1}), texte), kopf("Herr", "seinen") + "\r\n\r\n\r\n" + schluss);
}

TEST(Klartext, emptyEmployerEndsWithSignatureLineAndOneBreak) {
    Zeugnisdaten daten = anfangsdaten();
    daten.text(Eingabe::Firma).clear();
    const std::string text = klartext(daten, markierteVorschauen());
    const std::string ende = "\r\n\r\n\r\n\r\n\r\n___________________\r\n";
    EXPECT_TRUE(text.ends_with(ende));
}

TEST(Klartext, womanChangesSalutationAndTasksSentence) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = frau;
    EXPECT_EQ(klartext(daten, markierteVorschauen()), kopf("Frau", "ihren") + schluss);
}

TEST(Klartext, inputsAndPreviewsEnterVerbatim) {
    Zeugnisdaten daten = mitAnzeige({2});
    daten.text(Eingabe::Vorname) = " Jörg ";
    daten.text(Eingabe::Geburtsdatum).clear();
    daten.text(Eingabe::Ort) = "Köln{\\par}";
    AngezeigteVorschautexte texte = markierteVorschauen();
    texte[1] = "Übergroß ÄÖÜß€ ";
    const std::string text = klartext(daten, texte);
    EXPECT_NE(text.find("Herr  Jörg  Mustermann, geb. am  in München"), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\nÜbergroß ÄÖÜß€ \r\n\r\n\r\n30.06.2003, Köln{\\par}\r\n"),
              std::string::npos);
}

} // namespace
