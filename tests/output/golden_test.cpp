// The clipboard text and Zeugnis.doc of several states against files kept in golden/, byte
// for byte. VELMORA_GOLDEN_NEU=1 writes the files anew instead (then check the diff).
#include "output/dokument.h"
#include "output/klartext.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Zustand {
    const char* name;
    std::function<Zeugnisdaten()> daten;
    std::optional<std::string> basis = {};
};

Zeugnisdaten sonderzeichen() {
    Zeugnisdaten daten = alleBewertet(frau);
    daten.text(Eingabe::Vorname) = "Jürgen {Ma\\rk}\tÄ";
    daten.text(Eingabe::Name) = "Łódź 😀 Groß";
    daten.text(Eingabe::Geburtsort) = "Köln\r\nDeutz";
    daten.text(Eingabe::Firma) = "Zevuz {\\b0 GmbH} € \\par";
    return daten;
}

Zeugnisdaten dreiUndFuenf() {
    Zeugnisdaten daten = mitAnzeige({1, 3, 5});
    daten.bereich(3).note = 2;
    daten.bereich(5).note = 4;
    return daten;
}

Zeugnisdaten ohneFirma() {
    Zeugnisdaten daten = anfangsdaten();
    daten.text(Eingabe::Firma).clear();
    return daten;
}

const Zustand zustaende[] = {
    {"nichts_gezeigt", anfangsdaten},
    {"alle_bewertet_herr", [] { return alleBewertet(herr); }},
    {"frau_sonderzeichen", sonderzeichen},
    {"drei_und_fuenf_ohne_vier", dreiUndFuenf},
    {"ohne_firma", ohneFirma},
    {"basis_mit_rumpf", anfangsdaten,
     "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\paperw12240\\margl1800"
     "\r\n\\pard\\plain\\fs24 Anlage\\par}"},
};

void vergleichen(const std::string& datei, const std::string& ist) {
    const std::string pfad = std::string(VELMORA_GOLDEN) + "/" + datei;
    if (std::getenv("VELMORA_GOLDEN_NEU")) {
        std::ofstream(pfad, std::ios::binary) << ist;
        return;
    }
    std::stringstream soll;
    soll << std::ifstream(pfad, std::ios::binary).rdbuf();
    EXPECT_EQ(ist, soll.str()) << pfad;
}

TEST(Golden, plainTextAndDocumentStayAsWritten) {
    for (const Zustand& zustand : zustaende) {
        const Zeugnisdaten daten = zustand.daten();
        const AngezeigteVorschautexte texte = komponierteVorschauen(daten);
        if (!zustand.basis) {
            vergleichen(std::string(zustand.name) + ".txt", klartext(daten, texte));
        }
        vergleichen(std::string(zustand.name) + ".doc",
                    zeugnisdokument(daten, texte, zustand.basis).rtf);
    }
}

} // namespace
