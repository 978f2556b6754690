// The texts of both phrase libraries and the head sentences of both kinds, for a man and a
// woman, against the golden files beside this test; then what no single text shows: an empty
// input between its blanks, the tabs' access keys, the gendered words chosen.
#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"
#include "compose/kopfsaetze.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

using namespace velmora;

namespace {

// One line per text: what it is, "Herr" or "Frau", the text in quotes.
TEST(Texte, JederTextBeiderArtenWieImGolden) {
    const std::pair<std::string, Phrase Kopfsaetze::*> saetze[] = {
        {"Überschrift", &Kopfsaetze::ueberschrift},
        {"Eröffnung", &Kopfsaetze::eroeffnung},
        {"Eröffnung ohne Geburt", &Kopfsaetze::eroeffnungOhneGeburt},
        {"Aufgabensatz", &Kopfsaetze::aufgabensatz},
        {"Aufgabenliste", &Kopfsaetze::aufgabenliste},
        {"Aufgabenliste im Bereich", &Kopfsaetze::aufgabenlisteImBereich}};
    for (const Zeugnisart art : zeugnisarten) {
        Zeugnisdaten d = anfangsdaten();
        d.art = art;
        d.aufgaben.bereich = "Einkauf & Logistik";
        std::string golden;
        const auto zeile = [&](const std::string& was, int geschlecht, auto anhaengen) {
            golden += was + (geschlecht == frau ? " Frau \"" : " Herr \"");
            const std::size_t vorher = golden.size();
            const bool da = anhaengen(Anredeformen::fuer(geschlecht));
            golden += "\"\n";
            return da && golden.size() > vorher + 2;
        };
        for (const auto& [name, satz] : saetze) {
            for (const int geschlecht : {herr, frau}) {
                zeile(name, geschlecht, [&](const Anredeformen& formen) {
                    phraseAnhaengen(kopfsaetze(art).*satz, formen, d, golden);
                    return true;
                });
            }
        }
        for (const Bewertungsbereich& b : bewertungsbereiche) {
            for (int note = 1; note <= b.stufen(); ++note) {
                for (const int geschlecht : {herr, frau}) {
                    EXPECT_TRUE(zeile(std::to_string(b.nummer) + "/" + std::to_string(note),
                                      geschlecht, [&](const Anredeformen& formen) {
                                          return vorschautextAnhaengen(b.nummer, note, formen, d,
                                                                       golden);
                                      }));
                }
            }
            // Outside the scale there is no text, and nothing is appended.
            for (const auto& [bereich, note] : {std::pair{b.nummer, 0},
                                                {b.nummer, b.stufen() + 1},
                                                {0, 1},
                                                {anzahlBereiche + 1, 1}}) {
                std::string ziel = "vorher";
                EXPECT_FALSE(
                    vorschautextAnhaengen(bereich, note, Anredeformen::fuer(herr), d, ziel));
                EXPECT_EQ(ziel, "vorher");
            }
        }
        test::goldenVergleichen(std::string(VELMORA_GOLDEN "/") + (art == Zeugnisart::Endzeugnis
                                                                       ? "endzeugnis.txt"
                                                                       : "zwischenzeugnis.txt"),
                                golden);
    }
}

// An empty input stands in the text between its blanks.
TEST(Texte, LeereEingabeZwischenIhrenLeerzeichen) {
    for (const auto& [bereich, note, eingabe, darin] :
         {std::tuple{1, 3, Eingabe::Name, "Herr  verfügt über solide"},
          {13, 1, Eingabe::Austrittsdatum, "Herr Mustermann zum  aus unserem"}}) {
        Zeugnisdaten d = anfangsdaten();
        d.text(eingabe).clear();
        EXPECT_NE(vorschautext(bereich, note, Anredeformen::fuer(herr), d)->find(darin),
                  std::string::npos)
            << darin;
    }
}

// Every tab has one access key, and Beendigungsgrund keeps its key in either kind.
TEST(Bewertungsbereiche, JederReiterHatSeineZugriffstaste) {
    for (const Bewertungsbereich& b : bewertungsbereiche) {
        for (const Zeugnisart art : zeugnisarten) {
            const std::string_view reiter = b.reiterFuer(art);
            ASSERT_EQ(std::ranges::count(reiter, '&'), 1) << reiter;
            EXPECT_EQ(std::tolower(reiter[reiter.find('&') + 1]),
                      std::tolower(b.reiter[b.reiter.find('&') + 1]))
                << reiter;
        }
    }
}

TEST(Anredeformen, NurDieEinsWaehltDieFrau) {
    for (const int geschlecht : {-1, 0, 1, 2, 7}) {
        EXPECT_EQ(Anredeformen::fuer(geschlecht)[Anrede::Herr], geschlecht == 1 ? "Frau" : "Herr");
    }
}

} // namespace
