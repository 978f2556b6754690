// A section's text as a block that serves a man and a woman alike.
#include "bausteine/platzhalter.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

Zeugnisdaten angestellte() {
    Zeugnisdaten daten;
    daten.text(Eingabe::Vorname) = "Anna";
    daten.text(Eingabe::Name) = "Berg";
    return daten;
}

std::string woerter(const std::vector<Ersetzung>& ersetzungen) {
    std::string liste;
    for (const Ersetzung& e : ersetzungen) {
        liste += (liste.empty() ? "" : ",") + e.wort + (e.mehrdeutig ? "*" : "");
    }
    return liste;
}

} // namespace

// Each word replaced, and each switched back gives the text as written again.
TEST(Platzhalter, FuerHerrUndFrau) {
    const Zeugnisdaten daten = angestellte();
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/platzhalter.txt")) {
        const std::string& text = zeile.at(1);
        const auto ersetzungen =
            ersetzungenFinden(text, zeile.at(0) == "F" ? frau : herr, daten.text(Eingabe::Vorname),
                              daten.text(Eingabe::Name));
        EXPECT_EQ(woerter(ersetzungen), zeile.at(2)) << text;
        const std::string baustein =
            slottext(text, ersetzungen, std::vector<bool>(ersetzungen.size(), true));
        EXPECT_EQ(baustein, zeile.at(3)) << text;
        EXPECT_EQ(bausteinFuellen(baustein, herr, daten), zeile.at(4)) << text;
        EXPECT_EQ(bausteinFuellen(baustein, frau, daten), zeile.at(5)) << text;
        for (std::size_t i = 0; i < ersetzungen.size(); ++i) {
            std::vector<bool> an(ersetzungen.size(), true);
            an[i] = false;
            const std::string zurueck = bausteinFuellen(slottext(text, ersetzungen, an),
                                                        zeile.at(0) == "F" ? frau : herr, daten);
            EXPECT_EQ(zurueck, text) << text << " ohne " << ersetzungen[i].wort;
        }
    }
}
