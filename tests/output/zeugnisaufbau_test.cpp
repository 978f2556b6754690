// The reference's document model: which paragraphs, texts, line breaks and formats. The
// plain text and the documents render exactly this; their own tests check the rendering.
#include "output/zeugnisaufbau.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

// A paragraph as its runs' texts joined by "|", each followed by one "⏎" per line break of
// the plain text; an item of a list after "• ".
std::vector<std::string> absaetze(const Zeugnisdaten& daten, const AngezeigteVorschautexte& texte) {
    std::vector<std::string> ergebnis;
    for (const Absatz& absatz : zeugnismodell(daten, texte).absaetze) {
        std::string& text = ergebnis.emplace_back(absatz.listenpunkt ? "• " : "");
        for (const Lauf& lauf : absatz.laeufe) {
            text += &lauf == &absatz.laeufe.front() ? "" : "|";
            text += lauf.text;
            for (int i = 0; i < lauf.zeilenumbrueche; ++i) {
                text += "⏎";
            }
        }
    }
    return ergebnis;
}

const std::string platzhalter = "[Tätigkeit hier einsetzen]⏎";

std::vector<std::string> erwartet(const std::vector<std::string>& bereiche,
                                  const std::string& vorDatum = "", bool frau = false,
                                  const std::string& firma = "Zevuz Elektonikhandelsgesellschaft "
                                                             "mbH") {
    std::vector<std::string> a = {
        "ZEUGNIS⏎⏎⏎",
        "",
        "",
        "",
        std::string(frau ? "Frau" : "Herr") +
            " Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
            "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik "
            "beschäftigt.⏎⏎",
        "",
        "Beispiel: ⏎⏎|Zu " + std::string(frau ? "ihren" : "seinen") +
            " Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
            "folgender Tätigkeiten:⏎⏎",
        "",
        platzhalter,
        platzhalter,
        platzhalter,
        platzhalter + "⏎",
        ""};
    a.insert(a.end(), bereiche.begin(), bereiche.end());
    a.insert(a.end(), {vorDatum + "30.06.2003, Düsseldorf⏎⏎⏎⏎⏎", "", "", "", "",
                       "___________________⏎", firma});
    return a;
}

TEST(Zeugnisaufbau, paragraphsRunsAndBreaks) {
    EXPECT_EQ(absaetze(anfangsdaten(), markierteVorschauen()), erwartet({})) << "nothing shown";
    EXPECT_EQ(
        absaetze(mitAnzeige({13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}), markierteVorschauen()),
        erwartet({"<1>⏎⏎⏎", "",          "<2>⏎⏎⏎", "",      "<3>|<4>⏎⏎⏎", "",       "<5>|<6>⏎⏎",
                  "",       "<7>|<8>⏎⏎", "",       "<9>⏎⏎", "",           "<10>⏎⏎", "",
                  "<11>⏎⏎", "",          "<12>⏎⏎", "",      "<13>⏎⏎⏎⏎",   "",       ""}))
        << "every section, 3, 5 and 7 running on";
    // Section 1 shown without a grade keeps its breaks; 3 and 5 without 4 run on into the
    // place and date.
    AngezeigteVorschautexte texte = markierteVorschauen();
    texte[0].clear();
    EXPECT_EQ(absaetze(mitAnzeige({1, 3, 5}), texte), erwartet({"⏎⏎⏎", ""}, "<3>|<5>|"));
    Zeugnisdaten frau = anfangsdaten();
    frau.geschlecht = velmora::frau;
    frau.text(Eingabe::Firma).clear();
    EXPECT_EQ(absaetze(frau, texte), erwartet({}, "", true, "")) << "a woman, no employer";
}

// Alignment, the mark's format and the runs' formats, as "c b28/150: b28/150".
std::string format(const Absatz& absatz) {
    const auto f = [](const Zeichenformat& z) {
        std::string text = z.fett ? "b" : "";
        text += z.kursiv ? "i" : "";
        return text + std::to_string(z.halbpunkte) + "/" + std::to_string(z.breite);
    };
    std::string text = absatz.ausrichtung == Ausrichtung::Zentriert   ? "c "
                       : absatz.ausrichtung == Ausrichtung::Blocksatz ? "j "
                                                                      : "l ";
    text += f(absatz.marke) + ":";
    for (const Lauf& lauf : absatz.laeufe) {
        text += ' ';
        text += f(lauf.format);
    }
    return text;
}

// The heading wide, bold and centred; "Beispiel: " bold; the tasks italic up to the empty
// paragraph after them; everything else regular and left-aligned but the employer.
TEST(Zeugnisaufbau, formatsAndAlignment) {
    const Dokumentmodell modell = zeugnismodell(
        mitAnzeige({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}), markierteVorschauen());
    const std::vector<std::string> kopf = {"c b28/150: b28/150",
                                           "c b28/150:",
                                           "c b28/150:",
                                           "c b28/150:",
                                           "l 20/100: 20/100",
                                           "l 20/100:",
                                           "l i20/100: b20/100 i20/100",
                                           "l i20/100:",
                                           "l i20/100: i20/100",
                                           "l i20/100: i20/100",
                                           "l i20/100: i20/100",
                                           "l i20/100: i20/100",
                                           "l i20/100:"};
    ASSERT_EQ(modell.absaetze.size(), 41u);
    for (std::size_t i = 0; i < modell.absaetze.size(); ++i) {
        std::string soll = i < kopf.size() ? kopf[i] : i == 40 ? "j 20/100:" : "l 20/100:";
        for (std::size_t lauf = 0; i >= kopf.size() && lauf < modell.absaetze[i].laeufe.size();
             ++lauf) {
            soll += " 20/100";
        }
        EXPECT_EQ(format(modell.absaetze[i]), soll) << "paragraph " << i + 1;
    }
}

// What the user entered in the document: the tasks sentence regular, each task an item of a
// bulleted list, the achievements a paragraph before section 1, the signatory's lines between
// the signature line and the employer; all regular and left-aligned but the employer.
TEST(Zeugnisaufbau, tasksAchievementsAndSignatoryAsParagraphs) {
    Zeugnisdaten daten = mitAnzeige({1});
    daten.aufgaben = {"Einkauf", {"Angebote einholen", "", "Lieferanten bewerten"}, "Sparte."};
    daten.unterzeichner = {"Eva Roth", "Prokuristin", "ppa."};
    const std::vector<std::string> soll = {
        "ZEUGNIS⏎⏎⏎",
        "",
        "",
        "",
        "Herr Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
        "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.⏎⏎",
        "",
        "Zu seinen Aufgaben im Bereich Einkauf gehörten insbesondere:⏎⏎",
        "",
        "• Angebote einholen⏎",
        "• Lieferanten bewerten⏎⏎",
        "",
        "Sparte.⏎⏎",
        "",
        "<1>⏎⏎⏎",
        "",
        "30.06.2003, Düsseldorf⏎⏎⏎⏎⏎",
        "",
        "",
        "",
        "",
        "___________________⏎",
        "ppa. Eva Roth⏎",
        "Prokuristin⏎",
        "Zevuz Elektonikhandelsgesellschaft mbH"};
    EXPECT_EQ(absaetze(daten, markierteVorschauen()), soll);
    const Dokumentmodell modell = zeugnismodell(daten, markierteVorschauen());
    ASSERT_EQ(modell.absaetze.size(), soll.size());
    for (std::size_t i = 4; i < modell.absaetze.size(); ++i) {
        const bool letzter = i + 1 == modell.absaetze.size();
        EXPECT_EQ(format(modell.absaetze[i]),
                  std::string(letzter ? "j" : "l") +
                      " 20/100:" + (modell.absaetze[i].laeufe.empty() ? "" : " 20/100"))
            << "paragraph " << i + 1;
    }
}

TEST(Zeugnisaufbau, titleNamesTheEmployeeAndTheEmployerIsTheAuthor) {
    Zeugnisdaten daten = anfangsdaten();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Hans Mustermann");
    EXPECT_EQ(zeugnismodell(daten, {}).verfasser, "Zevuz Elektonikhandelsgesellschaft mbH");
    daten.text(Eingabe::Vorname).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Mustermann");
    daten.text(Eingabe::Name).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis");
    daten.art = Zeugnisart::Zwischenzeugnis;
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zwischenzeugnis");
}

} // namespace
