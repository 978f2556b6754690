#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "basisdokument.h"
#include "dokument.h"
#include "rtfleser.h"
#include "vorschaumarken.h"

using namespace velmora;
using velmora::test::Absatz;
using velmora::test::Gelesen;
using velmora::test::Lauf;
using velmora::test::markierteVorschauen;
using velmora::test::rtfLesen;

namespace {

Zeugnisdaten alleGezeigt() {
    Zeugnisdaten daten = anfangsdaten();
    for (auto& bereich : daten.bereiche) {
        bereich.anzeigen = true;
    }
    return daten;
}

Gelesen gelesen(const Zeugnisdaten& daten, const AngezeigteVorschautexte& texte,
                std::optional<std::string_view> basis = std::nullopt) {
    return rtfLesen(zeugnisdokument(daten, texte, basis).rtf);
}

// How a paragraph looks: its text, its alignment and the format of its text (or, for an
// empty paragraph, of its mark).
enum class Art { Ueberschrift, Normal, Kursiv, BeispielUndKursiv };

struct Erwartet {
    std::string text;
    char ausrichtung;
    Art art;
};

const std::string platzhalter = "[Tätigkeit hier einsetzen]";
const std::string satz =
    "Herr Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
    "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.";
const std::string aufgaben = "Zu seinen Aufgaben gehörte im Vertrieb / Entwicklung / Produktion "
                             "/ EDV die Durchführung folgender Tätigkeiten:";

std::vector<Erwartet> kopfAbsaetze() {
    return {
        {"ZEUGNIS", 'c', Art::Ueberschrift},
        {"", 'c', Art::Ueberschrift},
        {"", 'c', Art::Ueberschrift},
        {"", 'c', Art::Ueberschrift},
        {satz, 'l', Art::Normal},
        {"", 'l', Art::Normal},
        {"Beispiel: " + aufgaben, 'l', Art::BeispielUndKursiv},
        {"", 'l', Art::Kursiv},
        {platzhalter, 'l', Art::Kursiv},
        {platzhalter, 'l', Art::Kursiv},
        {platzhalter, 'l', Art::Kursiv},
        {platzhalter, 'l', Art::Kursiv},
        {"", 'l', Art::Kursiv},
    };
}

std::vector<Erwartet> schlussAbsaetze() {
    return {
        {"30.06.2003, Düsseldorf", 'l', Art::Normal},
        {"", 'l', Art::Normal},
        {"", 'l', Art::Normal},
        {"", 'l', Art::Normal},
        {"", 'l', Art::Normal},
        {"___________________", 'l', Art::Normal},
        {"Zevuz Elektonikhandelsgesellschaft mbH", 'j', Art::Normal},
    };
}

void formatPruefen(const Absatz& absatz, Art art, std::size_t nummer) {
    const auto arial10 = [](const Lauf& l) {
        return l.schrift == 0 && l.halbpunkte == 20 && l.breite == 100 && !l.fett;
    };
    const std::vector<Lauf> laeufe =
        absatz.laeufe.empty() ? std::vector<Lauf>{absatz.marke} : absatz.laeufe;
    SCOPED_TRACE("paragraph " + std::to_string(nummer));
    switch (art) {
    case Art::Ueberschrift:
        ASSERT_EQ(laeufe.size(), 1u);
        EXPECT_TRUE(laeufe[0].fett);
        EXPECT_EQ(laeufe[0].halbpunkte, 28);
        EXPECT_EQ(laeufe[0].breite, 150);
        EXPECT_EQ(laeufe[0].schrift, 0);
        break;
    case Art::Normal:
        ASSERT_EQ(laeufe.size(), 1u);
        EXPECT_TRUE(arial10(laeufe[0]));
        EXPECT_FALSE(laeufe[0].kursiv);
        break;
    case Art::Kursiv:
        ASSERT_EQ(laeufe.size(), 1u);
        EXPECT_TRUE(arial10(laeufe[0]));
        EXPECT_TRUE(laeufe[0].kursiv);
        break;
    case Art::BeispielUndKursiv:
        ASSERT_EQ(laeufe.size(), 2u);
        EXPECT_EQ(laeufe[0].text, "Beispiel: ");
        EXPECT_TRUE(laeufe[0].fett);
        EXPECT_FALSE(laeufe[0].kursiv);
        EXPECT_TRUE(arial10(laeufe[1]));
        EXPECT_TRUE(laeufe[1].kursiv);
        break;
    }
}

void absaetzePruefen(const Gelesen& dokument, const std::vector<Erwartet>& erwartet) {
    EXPECT_EQ(dokument.offeneGruppen, 0);
    ASSERT_EQ(dokument.absaetze.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(dokument.absaetze[i].text(), erwartet[i].text) << "paragraph " << i + 1;
        EXPECT_EQ(dokument.absaetze[i].ausrichtung, erwartet[i].ausrichtung)
            << "paragraph " << i + 1;
        formatPruefen(dokument.absaetze[i], erwartet[i].art, i + 1);
    }
}

TEST(Zeugnisdokument, everySectionShownGivesTheFortyOneParagraphs) {
    std::vector<Erwartet> erwartet = kopfAbsaetze();
    for (const char* text :
         {"<1>", "<2>", "<3><4>", "<5><6>", "<7><8>", "<9>", "<10>", "<11>", "<12>"}) {
        erwartet.push_back({text, 'l', Art::Normal});
        erwartet.push_back({"", 'l', Art::Normal});
    }
    erwartet.push_back({"<13>", 'l', Art::Normal});
    erwartet.push_back({"", 'l', Art::Normal});
    erwartet.push_back({"", 'l', Art::Normal});
    for (const Erwartet& e : schlussAbsaetze()) {
        erwartet.push_back(e);
    }
    ASSERT_EQ(erwartet.size(), 41u);
    absaetzePruefen(gelesen(alleGezeigt(), markierteVorschauen()), erwartet);
}

TEST(Zeugnisdokument, nothingShownGoesFromThePlaceholdersToPlaceAndDate) {
    std::vector<Erwartet> erwartet = kopfAbsaetze();
    for (const Erwartet& e : schlussAbsaetze()) {
        erwartet.push_back(e);
    }
    absaetzePruefen(gelesen(anfangsdaten(), markierteVorschauen()), erwartet);
}

TEST(Zeugnisdokument, runOnSectionsShareTheNextShownParagraph) {
    Zeugnisdaten daten = anfangsdaten();
    daten.bereich(3).anzeigen = true;
    daten.bereich(5).anzeigen = true;
    const Gelesen nurDreiUndFuenf = gelesen(daten, markierteVorschauen());
    EXPECT_EQ(nurDreiUndFuenf.absaetze[13].text(), "<3><5>30.06.2003, Düsseldorf");

    daten.bereich(4).anzeigen = true;
    const Gelesen mitVier = gelesen(daten, markierteVorschauen());
    EXPECT_EQ(mitVier.absaetze[13].text(), "<3><4>");
    EXPECT_EQ(mitVier.absaetze[15].text(), "<5>30.06.2003, Düsseldorf");
}

TEST(Zeugnisdokument, woman) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = frau;
    const Gelesen dokument = gelesen(daten, markierteVorschauen());
    EXPECT_EQ(dokument.absaetze[4].text().substr(0, 10), "Frau Hans ");
    EXPECT_EQ(dokument.absaetze[6].text().substr(0, 19), "Beispiel: Zu ihren ");
}

TEST(Zeugnisdokument, opensInPrintLayoutWithTheBuiltInPageSetup) {
    const Gelesen dokument = gelesen(anfangsdaten(), markierteVorschauen());
    for (const char* wort : {"viewkind1", "paperw11906", "paperh16838", "margl1417", "margr1417",
                             "margt1417", "margb1417"}) {
        EXPECT_NE(std::find(dokument.dokumentwoerter.begin(), dokument.dokumentwoerter.end(), wort),
                  dokument.dokumentwoerter.end())
            << wort;
    }
    ASSERT_FALSE(dokument.schriften.empty());
    EXPECT_EQ(dokument.schriften[0], "Arial");
}

// Whatever the user typed stands in the document as typed and cannot change its structure.
TEST(Zeugnisdokument, hostileInputsAppearExactlyAsTyped) {
    const std::vector<std::string> eingaben = {
        "Ma{r}k\\par", "}}}}",       "{\\rtf1 {\\*\\x}", "\\'e4\\u1234?",
        "Łódź ł",      "Straße € 😀", "\\b fett\\b0",     "{\\field{\\*\\fldinst HYPERLINK x}}",
    };
    const std::size_t absaetze = gelesen(anfangsdaten(), markierteVorschauen()).absaetze.size();
    for (const std::string& eingabe : eingaben) {
        Zeugnisdaten daten = alleGezeigt();
        daten.text(Eingabe::Vorname) = eingabe;
        daten.text(Eingabe::Firma) = eingabe;
        AngezeigteVorschautexte texte = markierteVorschauen();
        texte[0] = eingabe;
        const Gelesen dokument = gelesen(daten, texte);
        EXPECT_EQ(dokument.offeneGruppen, 0) << eingabe;
        ASSERT_EQ(dokument.absaetze.size(), absaetze + 2 * 9 + 3) << eingabe;
        EXPECT_EQ(dokument.absaetze[4].text().substr(5, eingabe.size()), eingabe);
        EXPECT_EQ(dokument.absaetze[13].text(), eingabe);
        EXPECT_EQ(dokument.absaetze.back().text(), eingabe);
        EXPECT_FALSE(dokument.absaetze[4].laeufe[0].fett) << eingabe;
    }
}

TEST(Zeugnisdokument, lineBreaksInATextStartNoParagraph) {
    Zeugnisdaten daten = anfangsdaten();
    daten.text(Eingabe::Firma) = "Zevuz\r\nGmbH\t";
    const Gelesen dokument = gelesen(daten, markierteVorschauen());
    EXPECT_EQ(dokument.absaetze.back().text(), "ZevuzGmbH");
    EXPECT_EQ(dokument.absaetze.size(), 20u);
}

TEST(Zeugnisdokument, mergesIntoTheBaseKeepingItsSetupAndBody) {
    const std::string basis =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier;}}"
        "\\paperw12240\\paperh15840\\margl1800\\margr1800\r\n"
        "\\pard\\plain\\f1\\fs24 Anlage\\par}";
    const Zeugnisdokument dokument = zeugnisdokument(anfangsdaten(), markierteVorschauen(), basis);
    EXPECT_TRUE(dokument.basisVerwendet);
    const Gelesen inhalt = rtfLesen(dokument.rtf);
    EXPECT_EQ(inhalt.offeneGruppen, 0);
    ASSERT_EQ(inhalt.schriften.size(), 3u);
    EXPECT_EQ(inhalt.schriften[2], "Arial");
    EXPECT_EQ(inhalt.absaetze[0].laeufe[0].schrift, 2);
    for (const char* wort : {"paperw12240", "paperh15840", "margl1800"}) {
        EXPECT_NE(std::find(inhalt.dokumentwoerter.begin(), inhalt.dokumentwoerter.end(), wort),
                  inhalt.dokumentwoerter.end())
            << wort;
    }
    // The base's own text follows in a paragraph of its own; the employer stays justified.
    ASSERT_EQ(inhalt.absaetze.size(), 22u);
    EXPECT_EQ(inhalt.absaetze[19].text(), "Zevuz Elektonikhandelsgesellschaft mbH");
    EXPECT_EQ(inhalt.absaetze[19].ausrichtung, 'j');
    EXPECT_EQ(inhalt.absaetze[20].text(), "Anlage");
    EXPECT_EQ(inhalt.absaetze[20].laeufe[0].schrift, 1);
}

TEST(Zeugnisdokument, unusableBaseFallsBackToTheBuiltInPageSetup) {
    const std::string ohneBasis = zeugnisdokument(anfangsdaten(), markierteVorschauen(), {}).rtf;
    for (const std::string& kaputt : {std::string("kein RTF"), std::string("{\\rtf1 offen"),
                                      std::string("\xd0\xcf\x11\xe0 binary", 11)}) {
        const Zeugnisdokument dokument =
            zeugnisdokument(anfangsdaten(), markierteVorschauen(), kaputt);
        EXPECT_FALSE(dokument.basisVerwendet);
        EXPECT_EQ(dokument.rtf, ohneBasis);
    }
    EXPECT_FALSE(zeugnisdokument(anfangsdaten(), markierteVorschauen(), {}).basisVerwendet);
    EXPECT_TRUE(zeugnisdokument(anfangsdaten(), markierteVorschauen(), eingebautesBasisdokument)
                    .basisVerwendet);
}

} // namespace
