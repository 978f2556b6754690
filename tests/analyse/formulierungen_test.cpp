// Each grade's other two phrasings, for a man and a woman in both kinds, read under the heading
// of their kind: the rules alone, without the known texts, find their section and grade in
// them and no code but "bemüht" in a grade 6; the known texts then know every sentence.
#include "analyse/analyse.h"
#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"
#include "compose/kopfsaetze.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

TEST(Formulierungen, RegelnLesenJedeAlsIhreNote) {
    Analyseoptionen nurRegeln;
    nurRegeln.bekannteTexte = false;
    for (const Zeugnisart art : zeugnisarten) {
        for (const int geschlecht : {herr, frau}) {
            for (const Bewertungsbereich& b : bewertungsbereiche) {
                for (int n = 0; n < 6 * (anzahlFormulierungen - 1); ++n) {
                    const int note = n / 2 + 1;
                    Zeugnisdaten d = anfangsdaten();
                    d.art = art;
                    d.bereich(b.nummer).formulierung = n % 2 + 2;
                    const Anredeformen& formen = Anredeformen::fuer(geschlecht);
                    std::string text;
                    phraseAnhaengen(kopfsaetze(art).ueberschrift, formen, d, text);
                    text += "\n\n";
                    if (b.istBeendigungsgrund() ||
                        !vorschautextAnhaengen(b.nummer, note, formen, d, text)) {
                        continue;
                    }
                    const std::string wo = std::to_string(b.nummer) + "/" + std::to_string(note) +
                                           "/" + std::to_string(n % 2 + 2) + ": ";
                    bool entschieden = false;
                    for (const Satzanalyse& s : textAnalysieren(text, nurRegeln).saetze) {
                        for (const std::string_view code : s.codes) {
                            EXPECT_TRUE(note == 6 && code == "bemueht") << wo << s.text;
                        }
                        if (s.note) {
                            EXPECT_EQ(s.bereich, b.nummer) << wo << s.text;
                            EXPECT_EQ(*s.note, note) << wo << s.text;
                            entschieden = true;
                        } else if (s.bereich != 0) {
                            // The closing's leaving sentence names a reason, no grade.
                            EXPECT_EQ(s.grund, "arbeitnehmer") << wo << s.text;
                        }
                    }
                    EXPECT_TRUE(entschieden) << wo << text;
                    for (const Satzanalyse& s : textAnalysieren(text).saetze) {
                        EXPECT_TRUE(s.bekannt) << wo << s.text;
                    }
                }
            }
        }
    }
}

} // namespace
