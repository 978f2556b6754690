// The clipboard text and Zeugnis.doc of several states against files kept in golden/, byte
// for byte. VELMORA_GOLDEN_NEU=1 writes the files anew instead (then check the diff).
#include "output/dokument.h"
#include "output/klartext.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    std::stringstream gelesen;
    gelesen << std::ifstream(pfad, std::ios::binary).rdbuf();
    const std::string soll = gelesen.str();
    const auto [i, s] = std::mismatch(ist.begin(), ist.end(), soll.begin(), soll.end());
    if (i != ist.end() || s != soll.end()) {
        const std::size_t stelle = static_cast<std::size_t>(i - ist.begin());
        const std::size_t von = stelle < 40 ? 0 : stelle - 40;
        ADD_FAILURE() << pfad << " differs at byte " << stelle
                      << ":\n  written: " << testing::PrintToString(ist.substr(von, 80))
                      << "\n  golden:  " << testing::PrintToString(soll.substr(von, 80));
    }
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
