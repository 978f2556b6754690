#include "compose/komposition.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

struct Fall {
    const char* wozu;
    int bereich;
    int note;
    int geschlecht;
    const char* name;
    const char* austrittsdatum;
    const char* erwartet;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

Zeugnisdaten daten(const Fall& f) {
    Zeugnisdaten d = anfangsdaten();
    d.text(Eingabe::Name) = f.name;
    d.text(Eingabe::Austrittsdatum) = f.austrittsdatum;
    d.geschlecht = f.geschlecht;
    return d;
}

const Fall faelle[] = {
    {"worked example, man", 1, 2, herr, "Mustermann", "",
     "Herr Mustermann verfügt über umfassende und vielseitige Fachkenntnisse, die er jederzeit "
     "sicher und zielgerichtet in der Praxis einsetzte. "},
    {"worked example, woman", 1, 2, frau, "Mustermann", "",
     "Frau Mustermann verfügt über umfassende und vielseitige Fachkenntnisse, die sie jederzeit "
     "sicher und zielgerichtet in der Praxis einsetzte. "},
    {"empty name keeps both blanks", 1, 3, herr, "", "",
     "Herr  verfügt über solide Fachkenntnisse, die er sicher in der Praxis einsetzte. "},
    {"double blank inside a phrase", 4, 6, herr, "Mustermann", "",
     "In allen ihm vertrauten Zusammenhängen bemühte er sich, seine  Urteilsfähigkeit "
     "einzusetzen."},
    {"genitive s joins the name", 4, 5, frau, "Mustermann", "",
     "Frau Mustermanns fachliche Urteile in den wichtigsten Fragen waren in der Regel "
     "zutreffend."},
    {"endings for a man", 9, 5, herr, "Mustermann", "",
     "Er war seinem Team ein verständnisvoller, angenehmer und sehr entgegenkommender "
     "Vorgesetzter."},
    {"endings for a woman", 9, 5, frau, "Mustermann", "",
     "Sie war ihrem Team eine verständnisvolle, angenehme und sehr entgegenkommende "
     "Vorgesetzte."},
    {"im überwiegend as it stands", 10, 5, herr, "Mustermann", "",
     "Er hat die ihm übertragenen Aufgaben im überwiegend zu unserer Zufriedenheit erledigt."},
    {"ending {in} for a man", 11, 3, herr, "Mustermann", "",
     "Herr Mustermann war wegen seines freundlichen, höflichen und hilfsbereiten Auftretens ein "
     "geschätzter Ansprechpartner."},
    {"ending {in} for a woman", 11, 3, frau, "Mustermann", "",
     "Frau Mustermann war wegen ihres freundlichen, höflichen und hilfsbereiten Auftretens eine "
     "geschätzte Ansprechpartnerin."},
    {"leaving date in the Schlussformel", 13, 1, frau, "Mustermann", "30.06.2003",
     "Auf ihren eigenen Wunsch scheidet Frau Mustermann zum 30.06.2003 aus unserem Unternehmen "
     "aus. Wir bedauern ihre Entscheidung außerordentlich, weil wir mit ihr eine wertvolle "
     "Führungskraft verlieren. Wir bedanken uns bei ihr für ihre allzeit sehr gute Arbeit und "
     "wünschen ihr für ihre berufliche wie persönliche Zukunft alles Gute und weiterhin viel "
     "Erfolg."},
    {"empty leaving date keeps both blanks", 13, 1, herr, "Mustermann", "",
     "Auf seinen eigenen Wunsch scheidet Herr Mustermann zum  aus unserem Unternehmen aus. Wir "
     "bedauern seine Entscheidung außerordentlich, weil wir mit ihm eine wertvolle Führungskraft "
     "verlieren. Wir bedanken uns bei ihm für seine allzeit sehr gute Arbeit und wünschen ihm "
     "für seine berufliche wie persönliche Zukunft alles Gute und weiterhin viel Erfolg."},
    {"Mitarbeit wünschen as it stands", 13, 3, herr, "Mustermann", "",
     "Herr Mustermann verlässt unser Unternehmen mit dem heutigen Tage auf eigenen Wunsch. Wir "
     "danken ihm für seine Mitarbeit wünschen ihm für die Zukunft alles Gute."},
    {"input with braces is plain text", 1, 3, herr, "Ma{r}k\\par", "",
     "Herr Ma{r}k\\par verfügt über solide Fachkenntnisse, die er sicher in der Praxis "
     "einsetzte. "},
};

class Vorschautext : public ::testing::TestWithParam<Fall> {};

TEST_P(Vorschautext, GibtDenTextDerNote) {
    const Fall& f = GetParam();
    const auto d = daten(f);
    EXPECT_EQ(vorschautext(f.bereich, f.note, Anredeformen::fuer(f.geschlecht), d), f.erwartet)
        << f.wozu;
}

INSTANTIATE_TEST_SUITE_P(Faelle, Vorschautext, ::testing::ValuesIn(faelle));

// Sections 1, 3, 5 and 7 run on into the next sentence, so their texts end in a blank;
// all others end in a full stop. Both kinds of reference.
TEST(Vorschautext, EndetMitLeerzeichenNurWoDerNaechsteSatzAnschliesst) {
    Zeugnisdaten d = anfangsdaten();
    for (const Zeugnisart art : zeugnisarten) {
        SCOPED_TRACE(::testing::Message() << "kind " << artIndex(art));
        d.art = art;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            const bool anschluss = bereich == 1 || bereich == 3 || bereich == 5 || bereich == 7;
            const std::string ende = anschluss ? ". " : ".";
            for (int note = 1; note <= 6; ++note) {
                for (int geschlecht : {herr, frau}) {
                    const auto text =
                        vorschautext(bereich, note, Anredeformen::fuer(geschlecht), d);
                    if (text) {
                        EXPECT_TRUE(text->ends_with(ende) && !text->ends_with(" " + ende))
                            << "section " << bereich << " grade " << note << ": " << *text;
                    }
                }
            }
        }
    }
}

TEST(Vorschautext, KeineNoteOderNoteAusserhalbDerSkalaGibtNichts) {
    const Zeugnisdaten d = anfangsdaten();
    const Anredeformen& formen = Anredeformen::fuer(herr);
    const struct {
        int bereich;
        int note;
    } ohne[] = {{1, 0}, {1, 7}, {1, -1}, {12, 0}, {12, 4}, {12, 6}, {13, 7}, {0, 1}, {14, 1}};
    for (const auto& f : ohne) {
        std::string ziel = "vorher";
        EXPECT_FALSE(vorschautextAnhaengen(f.bereich, f.note, formen, d, ziel))
            << f.bereich << "/" << f.note;
        EXPECT_EQ(ziel, "vorher");
    }
}

TEST(Vorschautext, SchlussformelVierUndFuenfSindGleich) {
    const Zeugnisdaten d = anfangsdaten();
    for (int geschlecht : {herr, frau}) {
        const auto& formen = Anredeformen::fuer(geschlecht);
        EXPECT_EQ(vorschautext(13, 4, formen, d), vorschautext(13, 5, formen, d));
    }
}

TEST(AlleVorschautexte, SetztNurBewerteteBereiche) {
    Zeugnisdaten d = anfangsdaten();
    d.bereich(3).note = 1;
    d.bereich(12).note = 2;
    const auto texte = alleVorschautexte(d);
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        EXPECT_EQ(texte[bereich - 1].has_value(), bereich == 3 || bereich == 12) << bereich;
    }
    EXPECT_EQ(texte[11], "Das Arbeitsverhältnis mit Herr Mustermann endet aus betriebsbedingten "
                         "Gründen.");
}

TEST(AlleVorschautexte, HerrNachFrauSchreibtJedenTextZurueck) {
    Zeugnisdaten d = anfangsdaten();
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        d.bereich(bereich).note = bereich == 12 ? 1 : 5;
    }
    d.geschlecht = herr;
    const auto alsHerr = alleVorschautexte(d);
    d.geschlecht = frau;
    const auto alsFrau = alleVorschautexte(d);
    d.geschlecht = herr;
    EXPECT_EQ(alleVorschautexte(d), alsHerr);
    // At grade 5 every section speaks of the employee through a gendered word.
    int verschieden = 0;
    for (int i = 0; i < anzahlBereiche; ++i) {
        verschieden += alsHerr[i] != alsFrau[i];
    }
    EXPECT_EQ(verschieden, anzahlBereiche);
}

TEST(AlleVorschautexte, NotenwechselUndZurueckGibtDenselbenText) {
    Zeugnisdaten d = anfangsdaten();
    d.bereich(1).note = 2;
    const auto vorher = alleVorschautexte(d);
    d.bereich(1).note = 5;
    EXPECT_NE(alleVorschautexte(d)[0], vorher[0]);
    d.bereich(1).note = 2;
    EXPECT_EQ(alleVorschautexte(d), vorher);
}

} // namespace
