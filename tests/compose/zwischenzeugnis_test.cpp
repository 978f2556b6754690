#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace velmora;

namespace {

Zeugnisdaten zwischenzeugnis() {
    Zeugnisdaten d = anfangsdaten();
    d.art = Zeugnisart::Zwischenzeugnis;
    return d;
}

// Calls fn(bereich, note, text) for every interim entry, composed with `formen`.
template <typename Fn>
void jederZwischentext(const Anredeformen& formen, const Zeugnisdaten& d, Fn fn) {
    for (const auto& bereich : bewertungsbereiche) {
        for (int note = 1; note <= bereich.stufen(); ++note) {
            fn(bereich.nummer, note, *vorschautext(bereich.nummer, note, formen, d));
        }
    }
}

TEST(Zwischenzeugnis, TexteOhneOffenenSlotUndMitEinfachenLeerzeichen) {
    const Zeugnisdaten d = zwischenzeugnis();
    for (int geschlecht : {herr, frau}) {
        jederZwischentext(
            Anredeformen::fuer(geschlecht), d, [](int bereich, int note, const std::string& text) {
                for (std::string_view falsch : {"{", "}", "  ", " .", " ,"}) {
                    EXPECT_EQ(text.find(falsch), std::string::npos)
                        << bereich << "/" << note << " has \"" << falsch << "\": " << text;
                }
            });
    }
}

// With every gendered word and the name as a marker, the composed text shows where each slot
// stands: a word of its own after a blank (or at the start) and before a blank or a mark,
// only the genitive "s" hanging on the name; an ending hangs on the word before it.
TEST(Zwischenzeugnis, SlotsStehenAlsEigeneWoerter) {
    Anredeformen markiert;
    std::array<std::string, anzahlAnreden> marken;
    for (int i = 0; i < anzahlAnreden; ++i) {
        marken[i].append("<").append(anredeSlots[i]).append(">");
        markiert.woerter[i] = marken[i];
    }
    Zeugnisdaten d = zwischenzeugnis();
    d.text(Eingabe::Name) = "<Name>";
    jederZwischentext(markiert, d, [](int bereich, int note, std::string_view text) {
        for (std::size_t auf = text.find('<'); auf != text.npos; auf = text.find('<', auf + 1)) {
            const std::size_t zu = text.find('>', auf);
            const std::string_view slot = text.substr(auf + 1, zu - auf - 1);
            const char vor = auf == 0 ? ' ' : text[auf - 1];
            const char nach = zu + 1 == text.size() ? ' ' : text[zu + 1];
            if (slot == "r" || slot == "e" || slot == "in") {
                EXPECT_NE(vor, ' ') << bereich << "/" << note << ": " << text;
            } else {
                EXPECT_EQ(vor, ' ') << bereich << "/" << note << ": " << text;
                EXPECT_TRUE(std::string_view(" .,").find(nach) != std::string_view::npos ||
                            (slot == "Name" && nach == 's'))
                    << bereich << "/" << note << ": " << text;
            }
        }
    });
}

struct Fall {
    int bereich;
    int note;
    int geschlecht;
    const char* erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.bereich << "/" << f.note << (f.geschlecht == frau ? " Frau" : " Herr");
}

const Fall faelle[] = {
    // Where the final text keeps masculine words, the interim one speaks of a woman as one.
    {9, 1, frau,
     "Sie motiviert und überzeugt ihre Mitarbeiter/innen durch einen kooperativen Führungsstil. "
     "Frau Mustermann ist als Vorgesetzte jederzeit voll anerkannt, wobei ihr Team unsere hohen "
     "Erwartungen nicht nur erfüllt, sondern oftmals sogar übertrifft."},
    {9, 1, herr,
     "Er motiviert und überzeugt seine Mitarbeiter/innen durch einen kooperativen Führungsstil. "
     "Herr Mustermann ist als Vorgesetzter jederzeit voll anerkannt, wobei sein Team unsere hohen "
     "Erwartungen nicht nur erfüllt, sondern oftmals sogar übertrifft."},
    {9, 2, frau,
     "Sie wird von ihren Mitarbeitern/innen anerkannt und geschätzt, wobei sie diese "
     "entsprechend ihren Fähigkeiten einsetzt und mit ihnen gute Ergebnisse erzielt."},
    {11, 1, frau,
     "Frau Mustermann ist wegen ihres frischen, verbindlichen und kooperativen Auftretens eine "
     "allseits sehr geschätzte Ansprechpartnerin."},
    {11, 1, herr,
     "Herr Mustermann ist wegen seines frischen, verbindlichen und kooperativen Auftretens ein "
     "allseits sehr geschätzter Ansprechpartner."},
    // The reason the interim reference is issued.
    {12, 1, herr, "Dieses Zwischenzeugnis wird auf seinen Wunsch ausgestellt."},
    {12, 1, frau, "Dieses Zwischenzeugnis wird auf ihren Wunsch ausgestellt."},
    {12, 2, herr,
     "Dieses Zwischenzeugnis wird aufgrund eines Wechsels seines Vorgesetzten ausgestellt."},
    {12, 2, frau,
     "Dieses Zwischenzeugnis wird aufgrund eines Wechsels ihres Vorgesetzten ausgestellt."},
    {12, 3, herr, "Dieses Zwischenzeugnis wird aufgrund betrieblicher Veränderungen ausgestellt."},
    {12, 3, frau, "Dieses Zwischenzeugnis wird aufgrund betrieblicher Veränderungen ausgestellt."},
    // The interim closing.
    {13, 1, herr,
     "Wir danken ihm für seine bisher stets ausgezeichneten Leistungen und freuen uns auf die "
     "weitere erfolgreiche Zusammenarbeit."},
    {13, 1, frau,
     "Wir danken ihr für ihre bisher stets ausgezeichneten Leistungen und freuen uns auf die "
     "weitere erfolgreiche Zusammenarbeit."},
    {13, 2, herr,
     "Wir danken ihm für seine bisher stets guten Leistungen und freuen uns auf die weitere "
     "erfolgreiche Zusammenarbeit."},
    {13, 2, frau,
     "Wir danken ihr für ihre bisher stets guten Leistungen und freuen uns auf die weitere "
     "erfolgreiche Zusammenarbeit."},
    {13, 3, herr,
     "Wir danken ihm für seine bisherigen Leistungen und freuen uns auf die weitere "
     "Zusammenarbeit."},
    {13, 3, frau,
     "Wir danken ihr für ihre bisherigen Leistungen und freuen uns auf die weitere "
     "Zusammenarbeit."},
    {13, 4, herr,
     "Wir danken ihm für seine bisherige Mitarbeit und freuen uns auf die weitere "
     "Zusammenarbeit."},
    {13, 4, frau,
     "Wir danken ihr für ihre bisherige Mitarbeit und freuen uns auf die weitere "
     "Zusammenarbeit."},
    {13, 5, herr, "Wir danken ihm für seine bisherige Mitarbeit."},
    {13, 5, frau, "Wir danken ihr für ihre bisherige Mitarbeit."},
    {13, 6, herr, "Wir wünschen ihm für seine weitere Tätigkeit alles Gute."},
    {13, 6, frau, "Wir wünschen ihr für ihre weitere Tätigkeit alles Gute."},
};

class Zwischentext : public ::testing::TestWithParam<Fall> {};

TEST_P(Zwischentext, GibtDenTextDerNote) {
    const Fall& f = GetParam();
    EXPECT_EQ(vorschautext(f.bereich, f.note, Anredeformen::fuer(f.geschlecht), zwischenzeugnis()),
              f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Zwischentext, ::testing::ValuesIn(faelle));

TEST(Zwischenzeugnis, ArtwechselUndZurueckGibtDieEndzeugnistexte) {
    Zeugnisdaten d = anfangsdaten();
    d.geschlecht = frau;
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        d.bereich(bereich).note = bereich == 12 ? 1 : 5;
    }
    const auto endzeugnis = alleVorschautexte(d);
    d.art = Zeugnisart::Zwischenzeugnis;
    const auto zwischen = alleVorschautexte(d);
    d.art = Zeugnisart::Endzeugnis;
    EXPECT_EQ(alleVorschautexte(d), endzeugnis);
    // At grade 5 every section reads differently in the present tense.
    for (int i = 0; i < anzahlBereiche; ++i) {
        EXPECT_NE(zwischen[i], endzeugnis[i]) << "section " << i + 1;
    }
}

} // namespace
