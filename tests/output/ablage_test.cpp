#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ablage.h"

using namespace velmora;

namespace {

// A folder in memory: the names it holds, and an error for one path if wanted.
struct Ordner {
    std::set<std::string> dateien;
    std::string scheitertBei;
    std::vector<std::string> versucht;

    DateiAnlegen anlegen() {
        return [this](const std::string& pfad) -> Anlegeergebnis {
            versucht.push_back(pfad);
            if (pfad == scheitertBei) {
                return {Anlegeergebnis::Art::Fehler, "Kein Speicherplatz mehr"};
            }
            if (!dateien.insert(pfad).second) {
                return {Anlegeergebnis::Art::Vorhanden, {}};
            }
            return {Anlegeergebnis::Art::Angelegt, {}};
        };
    }
};

TEST(Ablage, namesCountUpAndNeverReplaceAFile) {
    Ordner ordner;
    const std::vector<std::string> erwartet = {"/home/anna/Dokumente/Zeugnis.doc",
                                               "/home/anna/Dokumente/Zeugnis (2).doc",
                                               "/home/anna/Dokumente/Zeugnis (3).doc"};
    for (const std::string& pfad : erwartet) {
        const Ablage ablage = zeugnisAblegen("/home/anna/Dokumente", ordner.anlegen());
        EXPECT_EQ(ablage.pfad, pfad);
        EXPECT_TRUE(ablage.fehler.empty());
    }
    EXPECT_EQ(ordner.dateien.size(), 3u);
}

TEST(Ablage, aGapIsFilledFirst) {
    Ordner ordner;
    ordner.dateien = {"/tmp/Zeugnis.doc", "/tmp/Zeugnis (3).doc"};
    EXPECT_EQ(zeugnisAblegen("/tmp/", ordner.anlegen()).pfad, "/tmp/Zeugnis (2).doc");
}

TEST(Ablage, anErrorSaysWhyAndStopsTrying) {
    Ordner ordner;
    ordner.dateien = {"/tmp/Zeugnis.doc"};
    ordner.scheitertBei = "/tmp/Zeugnis (2).doc";
    const Ablage ablage = zeugnisAblegen("/tmp", ordner.anlegen());
    EXPECT_FALSE(ablage.pfad);
    EXPECT_EQ(ablage.fehler, "Das Zeugnis konnte nicht als \"/tmp/Zeugnis (2).doc\" gespeichert "
                             "werden: Kein Speicherplatz mehr");
    EXPECT_EQ(ordner.versucht.size(), 2u);
}

TEST(Ablage, aFolderFullOfReferencesIsAnErrorNotALoop) {
    const Ablage ablage = zeugnisAblegen("/tmp", [](const std::string&) {
        return Anlegeergebnis{Anlegeergebnis::Art::Vorhanden, {}};
    });
    EXPECT_FALSE(ablage.pfad);
    EXPECT_NE(ablage.fehler.find("\"Zeugnis (9999).doc\" vergeben"), std::string::npos);
}

} // namespace
