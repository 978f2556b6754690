// The sentences found in their paragraphs, and the report's lines of a whole reference.
#include "analysedarstellung/analysebericht.h"
#include "analysedarstellung/analysetexte.h"
#include "analysedarstellung/satzabsaetze.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

std::string absatzliste(const std::vector<std::vector<std::size_t>>& absaetze) {
    std::string text;
    for (const auto& absatz : absaetze) {
        text += text.empty() ? "" : " / ";
        for (const std::size_t satz : absatz) {
            text += std::to_string(satz);
            text += ',';
        }
        text.pop_back();
    }
    return text;
}

} // namespace

TEST(Analysedarstellung, SaetzeStehenInIhrenAbsaetzen) {
    for (const auto& fall : test::datentabelle(VELMORA_DATEN "/absaetze.txt")) {
        const Analyse analyse = zeugnisAnalysieren(fall.at(0));
        EXPECT_EQ(absatzliste(satzabsaetze(fall[0], analyse)), fall.at(1)) << fall[0];
    }
}

TEST(Analysedarstellung, BerichtNenntJedenBereich) {
    const Analyse analyse = zeugnisAnalysieren(
        "Er verfügt über ein umfassendes Fachwissen. Er hat die ihm übertragenen Aufgaben stets "
        "zu unserer vollen Zufriedenheit erledigt.");
    const Dokumentmodell bericht = analysebericht(analyse, "a.txt", "07.12.2026");
    std::vector<std::string> zeilen;
    for (const Absatz& absatz : bericht.absaetze) {
        zeilen.push_back(absatz.laeufe.empty() ? "" : absatz.laeufe.front().text);
    }
    const auto steht = [&](const std::string& zeile) {
        return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
    };
    EXPECT_EQ(zeilen.front(), berichtstitel);
    EXPECT_EQ(zeilen.back(), berichtsschluss);
    EXPECT_TRUE(steht("Gesamtnote: 2 – gut (aus der Zufriedenheitsformel)"));
    EXPECT_TRUE(steht("Führungsfähigkeit: fehlt"));
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        EXPECT_TRUE(steht(bereichszeile(bereich, analyse))) << bereich;
    }
}
