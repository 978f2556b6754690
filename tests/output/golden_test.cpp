// The clipboard text and Zeugnis.doc of several references against the files kept in golden/,
// byte for byte: the draft and the finished reference of both kinds, every text rule for the
// tasks, the achievements, the signatory and the birth data, a base with a body of its own and
// a letterhead. VELMORA_GOLDEN_NEU=1 writes the files anew instead (then read the diff).
#include "output/dokument.h"
#include "output/klartext.h"
#include "support/golden.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Zustand {
    const char* name;
    std::function<void(Zeugnisdaten&)> aendern;
    std::optional<std::string> basis = {}; // then only the document
    bool briefkopf = false;
};

void sonderzeichen(Zeugnisdaten& daten) {
    daten = alleBewertet(frau);
    daten.text(Eingabe::Vorname) = "Jürgen {Ma\\rk}\tÄ";
    daten.text(Eingabe::Name) = "Łódź 😀 Groß";
    daten.text(Eingabe::Geburtsort) = "Köln\r\nDeutz";
    daten.text(Eingabe::Firma) = "Zevuz {\\b0 GmbH} € \\par";
}

void dreiUndFuenf(Zeugnisdaten& daten) {
    for (const int bereich : {1, 3, 5}) {
        daten.bereich(bereich).anzeige = anzeigeAn;
    }
    daten.bereich(3).note = 2;
    daten.bereich(5).note = 4;
}

const Zustand zustaende[] = {
    {"nichts_gezeigt", [](Zeugnisdaten&) {}},
    {"alle_bewertet_herr", [](Zeugnisdaten& d) { d = alleBewertet(herr); }},
    {"frau_sonderzeichen", sonderzeichen},
    {"drei_und_fuenf_ohne_vier", dreiUndFuenf},
    {"ohne_firma", [](Zeugnisdaten& d) { d.text(Eingabe::Firma).clear(); }},
    {"basis_mit_rumpf", [](Zeugnisdaten&) {},
     "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\paperw12240\\margl1800"
     "\r\n\\pard\\plain\\fs24 Anlage\\par}"},
    // Blank tasks left out, the others as typed; the achievements; a signatory.
    {"aufgaben_herr",
     [](Zeugnisdaten& d) {
         d.bereich(1) = {2, anzeigeAn};
         d.aufgaben.liste = {"",       "  ", "Angebote einholen", "\t", " Lieferanten  bewerten ",
                             "\u00a0", ""};
         d.aufgaben.erfolge = "Sparte 9 %.";
         d.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", ""};
     }},
    // Tasks in a department, blank achievements, i. V., no birth data.
    {"bereich_ohne_geburt_frau",
     [](Zeugnisdaten& d) {
         d.geschlecht = frau;
         d.geburtsangaben = false;
         d.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten <bewerten>"}, "\r\n "};
         d.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", "i. V."};
     }},
    // Only blank tasks keep the draft without the department; the achievements' line breaks
    // as blanks; ppa. without a function.
    {"leere_aufgaben_frau",
     [](Zeugnisdaten& d) {
         d.geschlecht = frau;
         d.aufgaben = {
             "Einkauf", {"", " "}, "Senkte die Lagerkosten\r\num 12 %.\nDas Team\rwuchs."};
         d.unterzeichner = {"Dr. Eva Roth", "", "ppa."};
     }},
    // The interim draft; a function without a name: no name line, no authority.
    {"zwischenzeugnis_herr",
     [](Zeugnisdaten& d) {
         d = alleBewertet(herr);
         d.art = Zeugnisart::Zwischenzeugnis;
         d.unterzeichner = {"", "Personalleiterin", "ppa."};
     }},
    {"zwischenzeugnis_bereich_frau",
     [](Zeugnisdaten& d) {
         d = alleBewertet(frau);
         d.art = Zeugnisart::Zwischenzeugnis;
         d.geburtsangaben = false;
         d.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten bewerten"}, ""};
     }},
    // Own words: ending in ". " whatever was typed where the section runs on (1, 7), one
    // line where a line break was typed (2), braces escaped in the document.
    {"eigene_texte_frau",
     [](Zeugnisdaten& d) {
         d = alleBewertet(frau);
         d.eigenerText(1) = "Frau Mustermann kennt ihr Fach {genau}";
         d.eigenerText(2) = "Sie bildete sich\r\nlaufend fort. ";
         d.eigenerText(7) = "Sie arbeitete sorgfältig.\n";
         d.eigenerText(13) = "Wir danken ihr und wünschen ihr alles Gute.";
     }},
    // Never in the plain text; in the document the logo and the lines centred above.
    {"briefkopf", [](Zeugnisdaten& d) { d.aufgaben.liste = {"Einkauf"}; }, {}, true},
};

TEST(Golden, KlartextUndDokumentWieGeschrieben) {
    for (const Zustand& zustand : zustaende) {
        Zeugnisdaten daten = anfangsdaten();
        zustand.aendern(daten);
        const AngezeigteVorschautexte texte = komponierteVorschautexte(daten);
        Dokumentmodell modell = zeugnismodell(daten, texte);
        if (zustand.briefkopf) {
            modell.briefkopf = std::make_shared<const Briefkopf>(
                Briefkopf{Bild{Bildformat::Jpeg, "\xff\xd8\x01", 2400, 1200},
                          {"Zevuz {GmbH}", "Königsallee 1"}});
        }
        const std::string pfad = std::string(VELMORA_GOLDEN "/") + zustand.name;
        if (!zustand.basis) {
            goldenVergleichen(pfad + ".txt", klartext(modell));
        }
        goldenVergleichen(pfad + ".doc", zustand.briefkopf
                                             ? rtfDokument(modell, eingebauteBasis())
                                             : test::zeugnisdokument(daten, texte, zustand.basis));
    }
}

} // namespace
