// The reference's document model: which paragraphs, texts, line breaks and formats. The
// plain text and the documents render exactly this; their own tests check only the
// rendering.
#include "output/zeugnisaufbau.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using velmora::test::markierteVorschauen;
using velmora::test::mitAnzeige;

namespace {

// A paragraph as its runs' texts joined by "|", each followed by one "⏎" per line break of
// the plain text.
std::vector<std::string> absaetze(const Dokumentmodell& modell) {
    std::vector<std::string> ergebnis;
    for (const Absatz& absatz : modell.absaetze) {
        std::string text;
        for (const Lauf& lauf : absatz.laeufe) {
            if (!text.empty()) {
                text += '|';
            }
            text += lauf.text;
            for (int i = 0; i < lauf.zeilenumbrueche; ++i) {
                text += "⏎";
            }
        }
        ergebnis.push_back(text);
    }
    return ergebnis;
}

const std::string platzhalter = "[Tätigkeit hier einsetzen]";

std::vector<std::string> erwartet(const std::vector<std::string>& bereiche,
                                  const std::string& vorDatum = "",
                                  const std::string& anrede = "Herr",
                                  const std::string& seinen = "seinen",
                                  const std::string& firma = "Zevuz "
                                                             "Elektonikhandelsgesellschaft mbH") {
    std::vector<std::string> a = {
        "ZEUGNIS⏎⏎⏎",
        "",
        "",
        "",
        anrede + " Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
                 "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik "
                 "beschäftigt.⏎⏎",
        "",
        "Beispiel: ⏎⏎|Zu " + seinen +
            " Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
            "folgender Tätigkeiten:⏎⏎",
        "",
        platzhalter + "⏎",
        platzhalter + "⏎",
        platzhalter + "⏎",
        platzhalter + "⏎⏎",
        ""};
    a.insert(a.end(), bereiche.begin(), bereiche.end());
    a.push_back(vorDatum + "30.06.2003, Düsseldorf⏎⏎⏎⏎⏎");
    a.insert(a.end(), {"", "", "", "", "___________________⏎", firma});
    return a;
}

struct Fall {
    const char* wozu;
    Zeugnisdaten daten;
    std::vector<std::string> absaetze;
    AngezeigteVorschautexte vorschauen = markierteVorschauen();
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

Zeugnisdaten frau() {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = velmora::frau;
    return daten;
}

Zeugnisdaten ohneFirma() {
    Zeugnisdaten daten = anfangsdaten();
    daten.text(Eingabe::Firma).clear();
    return daten;
}

AngezeigteVorschautexte ohneErsteNote() {
    AngezeigteVorschautexte texte = markierteVorschauen();
    texte[0].clear();
    return texte;
}

class Zeugnisaufbau : public testing::TestWithParam<Fall> {};

TEST_P(Zeugnisaufbau, paragraphsRunsAndBreaks) {
    EXPECT_EQ(absaetze(zeugnismodell(GetParam().daten, GetParam().vorschauen)),
              GetParam().absaetze);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeugnisaufbau,
    testing::Values(
        Fall{"nothing shown", anfangsdaten(), erwartet({})},
        Fall{"only 3 runs on into place and date", mitAnzeige({3}), erwartet({}, "<3>|")},
        Fall{"3 and 5 without 4 share a paragraph", mitAnzeige({3, 5}), erwartet({}, "<3>|<5>|")},
        Fall{
            "every section in section order",
            mitAnzeige({13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}),
            erwartet({"<1>⏎⏎⏎", "",          "<2>⏎⏎⏎", "",      "<3>|<4>⏎⏎⏎", "",       "<5>|<6>⏎⏎",
                      "",       "<7>|<8>⏎⏎", "",       "<9>⏎⏎", "",           "<10>⏎⏎", "",
                      "<11>⏎⏎", "",          "<12>⏎⏎", "",      "<13>⏎⏎⏎⏎",   "",       ""})},
        Fall{"a shown section without grade keeps only its breaks", mitAnzeige({1}),
             erwartet({"⏎⏎⏎", ""}), ohneErsteNote()},
        Fall{"an empty employer leaves an empty last paragraph", ohneFirma(),
             erwartet({}, "", "Herr", "seinen", "")},
        Fall{"a woman", frau(), erwartet({}, "", "Frau", "ihren")}));

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

TEST(Zeugnisaufbau, titleNamesTheEmployeeAndTheEmployerIsTheAuthor) {
    Zeugnisdaten daten = anfangsdaten();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Hans Mustermann");
    EXPECT_EQ(zeugnismodell(daten, {}).verfasser, "Zevuz Elektonikhandelsgesellschaft mbH");
    daten.text(Eingabe::Vorname).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Mustermann");
    daten.text(Eingabe::Name).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis");
}

} // namespace
