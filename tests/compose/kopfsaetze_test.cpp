#include "compose/komposition.h"
#include "compose/kopfsaetze.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

struct Fall {
    Zeugnisart art;
    Phrase Kopfsaetze::*satz;
    const char* mann;
    const char* frau; // nullptr: as for a man
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.mann;
}

constexpr Zeugnisart ende = Zeugnisart::Endzeugnis;
constexpr Zeugnisart zwischen = Zeugnisart::Zwischenzeugnis;

const Fall faelle[] = {
    {ende, &Kopfsaetze::ueberschrift, "ZEUGNIS", nullptr},
    {zwischen, &Kopfsaetze::ueberschrift, "ZWISCHENZEUGNIS", nullptr},
    {ende, &Kopfsaetze::eroeffnung,
     "Herr Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
     "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.",
     "Frau Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in unser "
     "Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt."},
    {ende, &Kopfsaetze::eroeffnungOhneGeburt,
     "Herr Hans Mustermann trat am 01.04.1995 in unser Unternehmen ein und war bis zum "
     "30.06.2003 als Anteilungsleiter Elektonik beschäftigt.",
     "Frau Hans Mustermann trat am 01.04.1995 in unser Unternehmen ein und war bis zum "
     "30.06.2003 als Anteilungsleiter Elektonik beschäftigt."},
    {zwischen, &Kopfsaetze::eroeffnung,
     "Herr Hans Mustermann, geb. am 16.04.1947 in München, ist seit dem 01.04.1995 in unserem "
     "Unternehmen als Anteilungsleiter Elektonik beschäftigt.",
     "Frau Hans Mustermann, geb. am 16.04.1947 in München, ist seit dem 01.04.1995 in unserem "
     "Unternehmen als Anteilungsleiter Elektonik beschäftigt."},
    {zwischen, &Kopfsaetze::eroeffnungOhneGeburt,
     "Herr Hans Mustermann ist seit dem 01.04.1995 in unserem Unternehmen als Anteilungsleiter "
     "Elektonik beschäftigt.",
     "Frau Hans Mustermann ist seit dem 01.04.1995 in unserem Unternehmen als Anteilungsleiter "
     "Elektonik beschäftigt."},
    {ende, &Kopfsaetze::aufgabensatz,
     "Zu seinen Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
     "folgender Tätigkeiten:",
     "Zu ihren Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
     "folgender Tätigkeiten:"},
    {zwischen, &Kopfsaetze::aufgabensatz,
     "Zu seinen Aufgaben gehört im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
     "folgender Tätigkeiten:",
     "Zu ihren Aufgaben gehört im Vertrieb / Entwicklung / Produktion / EDV die Durchführung "
     "folgender Tätigkeiten:"},
    {ende, &Kopfsaetze::aufgabenliste,
     "Zu seinen Aufgaben gehörten insbesondere:", "Zu ihren Aufgaben gehörten insbesondere:"},
    {zwischen, &Kopfsaetze::aufgabenliste,
     "Zu seinen Aufgaben gehören insbesondere:", "Zu ihren Aufgaben gehören insbesondere:"},
    {ende, &Kopfsaetze::aufgabenlisteImBereich,
     "Zu seinen Aufgaben im Bereich Einkauf & Logistik gehörten insbesondere:",
     "Zu ihren Aufgaben im Bereich Einkauf & Logistik gehörten insbesondere:"},
    {zwischen, &Kopfsaetze::aufgabenlisteImBereich,
     "Zu seinen Aufgaben im Bereich Einkauf & Logistik gehören insbesondere:",
     "Zu ihren Aufgaben im Bereich Einkauf & Logistik gehören insbesondere:"},
};

class Kopfsatz : public ::testing::TestWithParam<Fall> {};

TEST_P(Kopfsatz, GibtDenTextDerArtFuerBeideGeschlechter) {
    const Fall& f = GetParam();
    Zeugnisdaten d = anfangsdaten();
    d.aufgaben.bereich = "Einkauf & Logistik";
    for (int geschlecht : {herr, frau}) {
        std::string text;
        phraseAnhaengen(kopfsaetze(f.art).*f.satz, Anredeformen::fuer(geschlecht), d, text);
        EXPECT_EQ(text, geschlecht == frau && f.frau ? f.frau : f.mann);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kopfsatz, ::testing::ValuesIn(faelle));

} // namespace
