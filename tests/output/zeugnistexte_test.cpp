// The reference's own texts beyond the draft: the tasks entered, the achievements, the
// signatory, the opening sentence without the birth data, the interim reference. Each rule as
// plain text, written out by hand for a man and for a woman (no section shown).
#include "output/klartext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace velmora;

namespace {

// The expected texts are written with LF; the reference breaks its lines with CR LF.
std::string crlf(const std::string& text) {
    std::string ergebnis;
    for (const char c : text) {
        ergebnis += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return ergebnis;
}

struct Fall {
    const char* wozu;
    void (*aendern)(Zeugnisdaten&);
    std::array<std::string, 2> erwartet; // for "Herr", for "Frau"
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

const std::array<std::string, 2> kopf = {
    "ZEUGNIS\n\n\nHerr Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in "
    "unser Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik "
    "beschäftigt.\n\n",
    "ZEUGNIS\n\n\nFrau Hans Mustermann, geb. am 16.04.1947 in München, trat am 01.04.1995 in "
    "unser Unternehmen ein und war bis zum 30.06.2003 als Anteilungsleiter Elektonik "
    "beschäftigt.\n\n"};

const std::string platzhalter = "[Tätigkeit hier einsetzen]\n[Tätigkeit hier einsetzen]\n"
                                "[Tätigkeit hier einsetzen]\n[Tätigkeit hier einsetzen]\n\n";

const std::array<std::string, 2> entwurf = {
    "Beispiel: \n\nZu seinen Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
    "Durchführung folgender Tätigkeiten:\n\n" +
        platzhalter,
    "Beispiel: \n\nZu ihren Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
    "Durchführung folgender Tätigkeiten:\n\n" +
        platzhalter};

const std::string schluss = "30.06.2003, Düsseldorf\n\n\n\n\n___________________\n"
                            "Zevuz Elektonikhandelsgesellschaft mbH";

const std::string zweiAufgaben = "– Angebote einholen\n– Lieferanten bewerten\n\n";

std::string mitUnterschrift(const std::string& zeilen) {
    return "30.06.2003, Düsseldorf\n\n\n\n\n___________________\n" + zeilen +
           "Zevuz Elektonikhandelsgesellschaft mbH";
}

class Zeugnistexte : public testing::TestWithParam<Fall> {};

TEST_P(Zeugnistexte, plainTextForBothGenders) {
    for (const int geschlecht : {herr, frau}) {
        Zeugnisdaten daten = anfangsdaten();
        daten.geschlecht = geschlecht;
        GetParam().aendern(daten);
        EXPECT_EQ(klartext(daten, {}), crlf(GetParam().erwartet[geschlecht]))
            << (geschlecht == frau ? "Frau" : "Herr");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, Zeugnistexte,
    testing::Values(
        Fall{"the tasks replace the draft",
             [](Zeugnisdaten& d) {
                 d.aufgaben.liste = {"Angebote einholen", "Lieferanten bewerten"};
             },
             {kopf[0] + "Zu seinen Aufgaben gehörten insbesondere:\n\n" + zweiAufgaben + schluss,
              kopf[1] + "Zu ihren Aufgaben gehörten insbesondere:\n\n" + zweiAufgaben + schluss}},
        Fall{"the tasks in a department",
             [](Zeugnisdaten& d) {
                 d.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten bewerten"}, ""};
             },
             {kopf[0] + "Zu seinen Aufgaben im Bereich Einkauf gehörten insbesondere:\n\n" +
                  zweiAufgaben + schluss,
              kopf[1] + "Zu ihren Aufgaben im Bereich Einkauf gehörten insbesondere:\n\n" +
                  zweiAufgaben + schluss}},
        Fall{"blank entries are left out, the others stay as typed; the achievements follow",
             [](Zeugnisdaten& d) {
                 d.aufgaben.liste = {
                     "", "  ", "Angebote einholen", "\t", " Lieferanten  bewerten ", "\u00a0", ""};
                 d.aufgaben.erfolge = "Sparte 9 %.";
             },
             {kopf[0] +
                  "Zu seinen Aufgaben gehörten insbesondere:\n\n– Angebote einholen\n–  "
                  "Lieferanten  bewerten \n\nSparte 9 %.\n\n" +
                  schluss,
              kopf[1] +
                  "Zu ihren Aufgaben gehörten insbesondere:\n\n– Angebote einholen\n–  "
                  "Lieferanten  bewerten \n\nSparte 9 %.\n\n" +
                  schluss}},
        Fall{"only blank entries keep the draft, without the department",
             [](Zeugnisdaten& d) {
                 d.aufgaben = {"Einkauf", {"", " "}, "\r\n "};
             },
             {kopf[0] + entwurf[0] + schluss, kopf[1] + entwurf[1] + schluss}},
        Fall{
            "the achievements after the draft, their line breaks as blanks",
            [](Zeugnisdaten& d) {
                d.aufgaben.erfolge = "Senkte die Lagerkosten\r\num 12 %.\nDas Team\rwuchs.";
            },
            {kopf[0] + entwurf[0] + "Senkte die Lagerkosten um 12 %. Das Team wuchs.\n\n" + schluss,
             kopf[1] + entwurf[1] + "Senkte die Lagerkosten um 12 %. Das Team wuchs.\n\n" +
                 schluss}},
        Fall{"the signatory without authority",
             [](Zeugnisdaten& d) {
                 d.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", ""};
             },
             {kopf[0] + entwurf[0] + mitUnterschrift("Dr. Eva Roth\nPersonalleiterin\n"),
              kopf[1] + entwurf[1] + mitUnterschrift("Dr. Eva Roth\nPersonalleiterin\n")}},
        Fall{"the signatory i. V.",
             [](Zeugnisdaten& d) {
                 d.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", "i. V."};
             },
             {kopf[0] + entwurf[0] + mitUnterschrift("i. V. Dr. Eva Roth\nPersonalleiterin\n"),
              kopf[1] + entwurf[1] + mitUnterschrift("i. V. Dr. Eva Roth\nPersonalleiterin\n")}},
        Fall{"the signatory ppa., without a function",
             [](Zeugnisdaten& d) {
                 d.unterzeichner = {"Dr. Eva Roth", "", "ppa."};
             },
             {kopf[0] + entwurf[0] + mitUnterschrift("ppa. Dr. Eva Roth\n"),
              kopf[1] + entwurf[1] + mitUnterschrift("ppa. Dr. Eva Roth\n")}},
        Fall{"a function without a name: no name line, no authority",
             [](Zeugnisdaten& d) {
                 d.unterzeichner = {"", "Personalleiterin", "ppa."};
             },
             {kopf[0] + entwurf[0] + mitUnterschrift("Personalleiterin\n"),
              kopf[1] + entwurf[1] + mitUnterschrift("Personalleiterin\n")}},
        Fall{"the opening sentence without the birth data",
             [](Zeugnisdaten& d) { d.geburtsangaben = false; },
             {"ZEUGNIS\n\n\nHerr Hans Mustermann trat am 01.04.1995 in unser Unternehmen ein und "
              "war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.\n\n" +
                  entwurf[0] + schluss,
              "ZEUGNIS\n\n\nFrau Hans Mustermann trat am 01.04.1995 in unser Unternehmen ein und "
              "war bis zum 30.06.2003 als Anteilungsleiter Elektonik beschäftigt.\n\n" +
                  entwurf[1] + schluss}},
        Fall{"the interim reference's head and draft",
             [](Zeugnisdaten& d) { d.art = Zeugnisart::Zwischenzeugnis; },
             {"ZWISCHENZEUGNIS\n\n\nHerr Hans Mustermann, geb. am 16.04.1947 in München, ist seit "
              "dem 01.04.1995 in unserem Unternehmen als Anteilungsleiter Elektonik "
              "beschäftigt.\n\nBeispiel: \n\nZu seinen Aufgaben gehört im Vertrieb / Entwicklung / "
              "Produktion / EDV die Durchführung folgender Tätigkeiten:\n\n" +
                  platzhalter + schluss,
              "ZWISCHENZEUGNIS\n\n\nFrau Hans Mustermann, geb. am 16.04.1947 in München, ist seit "
              "dem 01.04.1995 in unserem Unternehmen als Anteilungsleiter Elektonik "
              "beschäftigt.\n\nBeispiel: \n\nZu ihren Aufgaben gehört im Vertrieb / Entwicklung / "
              "Produktion / EDV die Durchführung folgender Tätigkeiten:\n\n" +
                  platzhalter + schluss}},
        Fall{"the interim reference without birth data, with tasks in a department",
             [](Zeugnisdaten& d) {
                 d.art = Zeugnisart::Zwischenzeugnis;
                 d.geburtsangaben = false;
                 d.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten bewerten"}, ""};
             },
             {"ZWISCHENZEUGNIS\n\n\nHerr Hans Mustermann ist seit dem 01.04.1995 in unserem "
              "Unternehmen als Anteilungsleiter Elektonik beschäftigt.\n\nZu seinen Aufgaben im "
              "Bereich Einkauf gehören insbesondere:\n\n" +
                  zweiAufgaben + schluss,
              "ZWISCHENZEUGNIS\n\n\nFrau Hans Mustermann ist seit dem 01.04.1995 in unserem "
              "Unternehmen als Anteilungsleiter Elektonik beschäftigt.\n\nZu ihren Aufgaben im "
              "Bereich Einkauf gehören insbesondere:\n\n" +
                  zweiAufgaben + schluss}}));

} // namespace
