// What the golden files do not show: the document's title and author, the employer in the
// letterhead, what the pages keep together.
#include "output/dokument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace velmora;

namespace {

TEST(Zeugnisdokument, TitelNenntDenArbeitnehmerVerfasserIstDerArbeitgeber) {
    Zeugnisdaten daten = anfangsdaten();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Hans Mustermann");
    EXPECT_EQ(zeugnismodell(daten, {}).verfasser, "Zevuz Elektonikhandelsgesellschaft mbH");
    daten.text(Eingabe::Vorname).clear();
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zeugnis – Mustermann");
    daten.text(Eingabe::Name).clear();
    daten.art = Zeugnisart::Zwischenzeugnis;
    EXPECT_EQ(zeugnismodell(daten, {}).titel, "Zwischenzeugnis");
}

// The employer heads the letterhead in bold and larger than the lines, once: a first line that
// names it again goes, any other stays.
TEST(Zeugnisdokument, ArbeitgeberEinmalFettUeberDemBriefkopf) {
    for (const auto& [zeilen, soll] :
         {std::pair{std::vector<std::string>{"Zevuz GmbH", "Königsallee 1"},
                    std::vector<std::string>{"Zevuz GmbH", "Königsallee 1", ""}},
          {{"Zevuz", "Königsallee 1"}, {"Zevuz GmbH", "Zevuz", "Königsallee 1", ""}},
          {{}, {"Zevuz GmbH", ""}}}) {
        Dokumentmodell modell;
        modell.briefkopf = std::make_shared<const Briefkopf>(Briefkopf{{}, zeilen, "Zevuz GmbH"});
        const std::vector<Absatz> absaetze = briefkopfAbsaetze(modell);
        std::vector<std::string> texte;
        for (const Absatz& absatz : absaetze) {
            texte.push_back(absatz.laeufe.empty() ? "" : absatz.laeufe[0].text);
        }
        EXPECT_EQ(texte, soll);
        EXPECT_TRUE(absaetze[0].laeufe[0].format.fett);
        EXPECT_GT(absaetze[0].laeufe[0].format.halbpunkte, absaetze[1].marke.halbpunkte);
    }
}

// The heading stays with the opening, the sentence before the tasks with the first task, the
// closing block with itself and with the last paragraph of text before it (which may still
// break); the other paragraphs break freely.
TEST(Zeugnisdokument, ZusammenGehaltenWasZusammengehoert) {
    Zeugnisdaten daten = anfangsdaten();
    daten.aufgaben.liste = {"Einkauf", "Verkauf"};
    daten.bereich(13) = {1, anzeigeAn};
    const Dokumentmodell modell = zeugnismodell(daten, komponierteVorschautexte(daten));
    std::string gehalten; // per paragraph: n free, m with the next, u also whole
    for (const Absatz& absatz : modell.absaetze) {
        gehalten += absatz.ungeteilt ? 'u' : absatz.mitNaechstem ? 'm' : 'n';
    }
    EXPECT_EQ(gehalten, "uuuunnuunnnmmmuuuuuuu");
}

} // namespace
