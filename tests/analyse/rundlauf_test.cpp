// Every text the program writes, read back: alone and inside the clipboard text of a
// reference, each of its sentences has its own section, and its grade or reason.
#include "analyse/analyse.h"
#include "compose/bewertungsbereich.h"
#include "output/klartext.h"
#include "output/zeugnisaufbau.h"

#include <gtest/gtest.h>

#include <set>

using namespace velmora;

namespace {

constexpr std::array<std::array<std::string_view, 3>, 2> gruende = {
    {{"arbeitnehmer", "arbeitgeber", "aufhebungsvertrag"},
     {"wunsch", "vorgesetztenwechsel", "umstrukturierung"}}};

Zeugnisdaten daten(Zeugnisart art, int geschlecht) {
    Zeugnisdaten d = anfangsdaten();
    d.art = art;
    d.geschlecht = geschlecht;
    d.texte[static_cast<int>(Eingabe::Name)] = geschlecht == frau ? "Weiß-Özdemir" : "Dr. Brandt";
    return d;
}

// The grades whose text in this reference is this one: the closing says the same for grades
// 4 and 5.
std::set<int> notenMitText(int bereich, const std::string& text, Zeugnisdaten d) {
    std::set<int> noten;
    for (int note = 1; note <= bewertungsbereich(bereich).stufen(); ++note) {
        d.bereich(bereich).note = note;
        if (komponierteVorschautexte(d)[bereich - 1] == text) {
            noten.insert(note);
        }
    }
    return noten;
}

// The sentences of `bereich` carry its grade `note` (or one sharing its text), and at least
// one of them decides it.
void bereichPruefen(const Analyse& a, int bereich, int note, const std::set<int>& erlaubt,
                    Zeugnisart art, const std::string& wo) {
    bool entschieden = false;
    for (const Satzanalyse& s : a.saetze) {
        if (s.bereich != bereich) {
            continue;
        }
        if (bereich == beendigungsgrund) {
            const auto grund = art == Zeugnisart::Endzeugnis ? s.grund : s.anlass;
            EXPECT_EQ(grund, gruende[artIndex(art)][note - 1]) << wo << s.text;
            entschieden = true;
        } else if (s.note) {
            EXPECT_TRUE(erlaubt.contains(*s.note)) << wo << *s.note << ": " << s.text;
            entschieden = true;
        }
        if (note <= 4) {
            EXPECT_TRUE(s.codes.empty()) << wo << s.codes[0] << ": " << s.text;
        }
    }
    EXPECT_TRUE(entschieden) << wo << "Bereich " << bereich << " ohne Note";
}

TEST(Rundlauf, JederBibliothekstextAllein) {
    for (const Zeugnisart art : zeugnisarten) {
        for (const int geschlecht : {herr, frau}) {
            for (const Bewertungsbereich& b : bewertungsbereiche) {
                for (int note = 1; note <= b.stufen(); ++note) {
                    Zeugnisdaten d = daten(art, geschlecht);
                    d.bereich(b.nummer) = {note, anzeigeAn};
                    const std::string text = komponierteVorschautexte(d)[b.nummer - 1];
                    const Analyse a = zeugnisAnalysieren(text);
                    const std::string wo =
                        std::to_string(b.nummer) + "/" + std::to_string(note) +
                        (art == Zeugnisart::Endzeugnis ? " End " : " Zwischen ") +
                        std::to_string(geschlecht) + ": ";
                    for (const Satzanalyse& s : a.saetze) {
                        EXPECT_EQ(s.bereich, b.nummer) << wo << s.text;
                        EXPECT_TRUE(s.bekannt) << wo << s.text;
                    }
                    bereichPruefen(a, b.nummer, note, notenMitText(b.nummer, text, d), art, wo);
                }
            }
        }
    }
}

TEST(Rundlauf, JedeNoteImGanzenZeugnis) {
    for (const Zeugnisart art : zeugnisarten) {
        for (const int geschlecht : {herr, frau}) {
            for (int note = 1; note <= 6; ++note) {
                Zeugnisdaten d = daten(art, geschlecht);
                for (const Bewertungsbereich& b : bewertungsbereiche) {
                    d.bereich(b.nummer) = {std::min(note, b.stufen()), anzeigeAn};
                }
                const Analyse a = zeugnisAnalysieren(klartext(d, komponierteVorschautexte(d)));
                const std::string wo = "Note " + std::to_string(note) +
                                       (art == Zeugnisart::Endzeugnis ? " End " : " Zwischen ") +
                                       std::to_string(geschlecht) + ": ";
                EXPECT_EQ(a.art, art == Zeugnisart::Endzeugnis ? Zeugnistyp::Endzeugnis
                                                               : Zeugnistyp::Zwischenzeugnis);
                EXPECT_EQ(a.gesamtnote, note) << wo;
                const AngezeigteVorschautexte texte = komponierteVorschautexte(d);
                for (const Bewertungsbereich& b : bewertungsbereiche) {
                    const std::string& text = texte[b.nummer - 1];
                    if (!text.empty()) { // a closing may say nothing at all
                        bereichPruefen(a, b.nummer, std::min(note, b.stufen()),
                                       notenMitText(b.nummer, text, d), art, wo);
                    }
                }
                for (const Hinweis& h : a.hinweise) {
                    EXPECT_NE(h.art, "zeitform") << wo << h.text;
                    EXPECT_NE(h.art, "ausreisser") << wo << h.text;
                    if (note <= 4) {
                        EXPECT_TRUE(h.art == "platzhalter" || h.art == "fehlt") << wo << h.text;
                    }
                }
            }
        }
    }
}

} // namespace
