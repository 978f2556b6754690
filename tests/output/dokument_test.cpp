#include "output/basisdokument.h"
#include "output/dokument.h"
#include "support/rtfleser.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using velmora::test::Gelesen;
using velmora::test::markierteVorschauen;
using velmora::test::mitAnzeige;
using velmora::test::rtfLesen;

namespace {

Gelesen gelesen(const Zeugnisdaten& daten, std::optional<std::string_view> basis = {}) {
    return rtfLesen(zeugnisdokument(daten, markierteVorschauen(), basis).rtf);
}

// A paragraph as it should read: text, alignment, run formats (see rtfleser.h).
struct Erwartet {
    std::string text;
    char ausrichtung;
    std::string format;
};

const std::string normal = "20/100";
const std::string platzhalter = "[Tätigkeit hier einsetzen]";

std::vector<Erwartet> absaetze(const std::vector<std::string>& bereiche,
                               const std::string& vorDatum) {
    std::vector<Erwartet> a = {
        {"ZEUGNIS", 'c', "b28/150"},
        {"", 'c', "b28/150"},
        {"", 'c', "b28/150"},
        {"", 'c', "b28/150"},
        {"Herr Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
         "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.",
         'l', normal},
        {"", 'l', normal},
        {"Beispiel: Zu seinen Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
         "Durchführung folgender Tätigkeiten:",
         'l', "b20/100 i20/100"},
        {"", 'l', "i20/100"},
        {platzhalter, 'l', "i20/100"},
        {platzhalter, 'l', "i20/100"},
        {platzhalter, 'l', "i20/100"},
        {platzhalter, 'l', "i20/100"},
        {"", 'l', "i20/100"},
    };
    for (const std::string& text : bereiche) {
        a.push_back({text, 'l', normal});
    }
    a.push_back({vorDatum + "30.06.2003, Düsseldorf", 'l', normal});
    for (const char* text : {"", "", "", "", "___________________"}) {
        a.push_back({text, 'l', normal});
    }
    a.push_back({"Zevuz Elektonikhandelsgesellschaft mbH", 'j', normal});
    return a;
}

struct Fall {
    const char* wozu;
    std::vector<int> gezeigt;
    std::vector<std::string> bereiche; // the paragraphs between placeholders and closing block
    std::string vorDatum = {};         // what runs on into the place-and-date paragraph
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

class Absaetze : public testing::TestWithParam<Fall> {};

TEST_P(Absaetze, textAusrichtungUndFormat) {
    const std::vector<Erwartet> erwartet = absaetze(GetParam().bereiche, GetParam().vorDatum);
    const Gelesen dokument = gelesen(mitAnzeige(GetParam().gezeigt));
    EXPECT_EQ(dokument.offeneGruppen, 0);
    EXPECT_EQ(dokument.schrift, 0);
    ASSERT_EQ(dokument.absaetze.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        const auto& ist = dokument.absaetze[i];
        EXPECT_EQ(ist.text, erwartet[i].text) << "paragraph " << i + 1;
        EXPECT_EQ(ist.ausrichtung, erwartet[i].ausrichtung) << "paragraph " << i + 1;
        EXPECT_EQ(ist.format, erwartet[i].format) << "paragraph " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, Absaetze,
    testing::Values(Fall{"nothing shown", {}, {}},
                    Fall{"3 and 5 without 4 run on into place and date", {3, 5}, {}, "<3><5>"},
                    Fall{"every section: the 41 paragraphs",
                         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
                         {"<1>",  "",       "<2>",  "",    "<3><4>", "",     "<5><6>",
                          "",     "<7><8>", "",     "<9>", "",       "<10>", "",
                          "<11>", "",       "<12>", "",    "<13>",   "",     ""}}));

TEST(Zeugnisdokument, opensInPrintLayoutWithTheBuiltInPageSetup) {
    const std::string rtf = zeugnisdokument(anfangsdaten(), markierteVorschauen(), {}).rtf;
    for (const char* wort : {"\\viewkind1", "\\paperw11906", "\\paperh16838", "\\margl1417",
                             "\\margr1417", "\\margt1417", "\\margb1417", "{\\f0\\fswiss"}) {
        EXPECT_NE(rtf.find(wort), std::string::npos) << wort;
    }
}

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

} // namespace
