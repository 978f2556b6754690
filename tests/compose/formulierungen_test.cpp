// The three phrasings of every grade, for a man and a woman in both kinds: what each says
// against the golden file, and what a reader would stumble over — a slot left, a doubled or
// missing blank, the wrong ending, two phrasings that open alike, a code word.
#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace velmora;

namespace {

// Words that tell a reader of references a bad grade; "bemüht" and "versucht" are grade 6.
constexpr std::string_view codewoerter[] = {"gesellig",      "Verständnis für", "mit großem Eifer",
                                            "kennengelernt", "im Rahmen",       "nicht immer"};
constexpr std::string_view bemuehtCodes[] = {"bemüht", "versucht"};

std::string ersteWorte(const std::string& text, int anzahl) {
    std::istringstream woerter(text);
    std::string wort;
    std::string anfang;
    for (int i = 0; i < anzahl && woerter >> wort; ++i) {
        anfang += wort + ' ';
    }
    return anfang;
}

bool enthaelt(const std::string& text, std::string_view wort) {
    return text.find(wort) != std::string::npos;
}

TEST(Formulierungen, JedeFormulierungSauberUndEigen) {
    for (const Zeugnisart art : zeugnisarten) {
        std::string golden;
        for (const Bewertungsbereich& b : bewertungsbereiche) {
            if (b.istBeendigungsgrund()) {
                continue;
            }
            const bool mitLeerzeichen = b.nummer <= 7 && b.nummer % 2 == 1;
            for (int note = 1; note <= b.stufen(); ++note) {
                for (const int geschlecht : {herr, frau}) {
                    Zeugnisdaten d = anfangsdaten();
                    d.art = art;
                    std::array<std::string, anzahlFormulierungen> texte;
                    for (int f = 1; f <= anzahlFormulierungen; ++f) {
                        d.bereich(b.nummer).formulierung = f;
                        texte[f - 1] =
                            *vorschautext(b.nummer, note, Anredeformen::fuer(geschlecht), d);
                        const std::string& t = texte[f - 1];
                        const std::string was = std::to_string(b.nummer) + "/" +
                                                std::to_string(note) + "/" + std::to_string(f);
                        if (f > 1) {
                            golden +=
                                was + (geschlecht == frau ? " Frau \"" : " Herr \"") + t + "\"\n";
                        }
                        EXPECT_FALSE(f > 1 &&
                                     (enthaelt(t, "{") || enthaelt(t, "}") || enthaelt(t, "  ") ||
                                      enthaelt(t, " .") || enthaelt(t, " ,") || enthaelt(t, ",.") ||
                                      t.starts_with(' ')))
                            << was << ": " << t;
                        const std::string_view ende = mitLeerzeichen ? ". " : ".";
                        EXPECT_TRUE(t.ends_with(ende) && !t.ends_with(" .") &&
                                    (mitLeerzeichen || !t.ends_with(" ")))
                            << was << ": " << t;
                        for (const std::string_view wort : codewoerter) {
                            EXPECT_FALSE(f > 1 && enthaelt(t, wort)) << was << ": " << wort;
                        }
                        for (const std::string_view wort : bemuehtCodes) {
                            EXPECT_FALSE(f > 1 && note < 6 && enthaelt(t, wort))
                                << was << ": " << wort;
                        }
                    }
                    for (int i = 0; i < anzahlFormulierungen; ++i) {
                        for (int j = i + 1; j < anzahlFormulierungen; ++j) {
                            EXPECT_NE(ersteWorte(texte[i], 5), ersteWorte(texte[j], 5))
                                << b.nummer << "/" << note << ": " << texte[j];
                        }
                    }
                }
            }
        }
        test::goldenVergleichen(std::string(VELMORA_GOLDEN "/") +
                                    (art == Zeugnisart::Endzeugnis
                                         ? "endzeugnisformulierungen.txt"
                                         : "zwischenzeugnisformulierungen.txt"),
                                golden);
    }
}

// A phrasing out of range, or one the section does not offer, gives the library's text.
TEST(Formulierungen, UnbekannteFormulierungGibtDenBibliothekstext) {
    for (const auto& [bereich, note, formulierung] :
         {std::tuple{1, 2, 0}, {1, 2, 4}, {10, 1, -1}, {12, 1, 2}, {12, 3, 3}}) {
        Zeugnisdaten d = anfangsdaten();
        const auto eins = vorschautext(bereich, note, Anredeformen::fuer(herr), d);
        d.bereich(bereich).formulierung = formulierung;
        EXPECT_EQ(vorschautext(bereich, note, Anredeformen::fuer(herr), d), eins)
            << bereich << "/" << note << "/" << formulierung;
    }
}

} // namespace
