#include "output/ablage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velmora;

namespace {

// A folder in memory holding `dateien`; creating `scheitertBei` fails with a reason.
DateiAnlegen ordner(std::set<std::string>& dateien, const std::string& scheitertBei = "") {
    return [&dateien, scheitertBei](const std::string& pfad) -> Anlegeergebnis {
        if (pfad == scheitertBei) {
            return {Anlegeergebnis::Art::Fehler, "Kein Speicherplatz mehr"};
        }
        return {dateien.insert(pfad).second ? Anlegeergebnis::Art::Angelegt
                                            : Anlegeergebnis::Art::Vorhanden,
                {}};
    };
}

TEST(Ablage, ZaehltHochFuelltLueckenErsetztNie) {
    std::set<std::string> dateien = {"/tmp/Zeugnis (3).doc"};
    for (const char* pfad : {"/tmp/Zeugnis.doc", "/tmp/Zeugnis (2).doc", "/tmp/Zeugnis (4).doc"}) {
        const Ablage ablage = zeugnisAblegen("/tmp/", ordner(dateien));
        EXPECT_EQ(ablage.pfad, pfad);
        EXPECT_TRUE(ablage.fehler.empty());
    }
}

TEST(Ablage, FehlerNenntGrundUndDatei) {
    std::set<std::string> dateien = {"/tmp/Zeugnis.doc"};
    const Ablage ablage = zeugnisAblegen("/tmp", ordner(dateien, "/tmp/Zeugnis (2).doc"));
    EXPECT_FALSE(ablage.pfad);
    EXPECT_EQ(ablage.fehler, "Das Zeugnis konnte nicht als \"/tmp/Zeugnis (2).doc\" gespeichert "
                             "werden: Kein Speicherplatz mehr");
}

TEST(Ablage, VollerOrdnerIstFehlerKeineSchleife) {
    const Ablage ablage = zeugnisAblegen("/tmp", [](const std::string&) {
        return Anlegeergebnis{Anlegeergebnis::Art::Vorhanden, {}};
    });
    EXPECT_FALSE(ablage.pfad);
    EXPECT_NE(ablage.fehler.find("\"Zeugnis (9999).doc\" vergeben"), std::string::npos);
}

} // namespace
