#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"
#include "compose/phrasen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velmora;

namespace {

std::string slotName(const Phrasenteil& teil) {
    return std::string(teil.art == Phrasenteil::Art::Eingabe ? eingabeSlots[teil.index]
                                                             : anredeSlots[teil.index]);
}

// Sections 1 to 7 speak of the employee by name and the basic gendered words; sections 8 to 13
// may also use the word endings, and only the Schlussformel reads the leaving date.
const std::set<std::string> grundSlots = {"Name",   "Herr",   "Er",    "er",    "seinem", "seinen",
                                          "seines", "seiner", "seine", "Seine", "sein",   "ihm"};

std::set<std::string> erlaubteSlots(int bereich) {
    std::set<std::string> erlaubt = grundSlots;
    if (bereich >= 8) {
        erlaubt.insert({"r", "e", "in"});
    }
    if (bereich == 13) {
        erlaubt.insert("Austrittsdatum");
    }
    return erlaubt;
}

TEST(Phrasen, JedeNoteDerSkalaHatGenauEinePhrase) {
    for (const auto& bereich : bewertungsbereiche) {
        for (int note = 1; note <= bereich.stufen(); ++note) {
            EXPECT_NE(phrase(bereich.nummer, note), nullptr) << bereich.nummer << "/" << note;
        }
        EXPECT_EQ(phrase(bereich.nummer, bereich.stufen() + 1), nullptr) << bereich.nummer;
        EXPECT_EQ(phrase(bereich.nummer, 0), nullptr) << bereich.nummer;
    }
}

TEST(Phrasen, NutzenNurSlotsIhresBereichs) {
    for (const auto& bereich : bewertungsbereiche) {
        const auto erlaubt = erlaubteSlots(bereich.nummer);
        for (int note = 1; note <= bereich.stufen(); ++note) {
            for (const auto& teil : phrase(bereich.nummer, note)->teile()) {
                if (teil.art != Phrasenteil::Art::Text) {
                    EXPECT_TRUE(erlaubt.contains(slotName(teil)))
                        << "section " << bereich.nummer << " grade " << note << " uses {"
                        << slotName(teil) << "}";
                }
            }
        }
    }
}

// Two slots side by side would run two words together: every slot but an ending stands
// between literal text (or at the start).
TEST(Phrasen, WoerterStehenNieOhneTrennerNebeneinander) {
    for (const auto& bereich : bewertungsbereiche) {
        for (int note = 1; note <= bereich.stufen(); ++note) {
            const auto teile = phrase(bereich.nummer, note)->teile();
            for (std::size_t i = 1; i < teile.size(); ++i) {
                EXPECT_FALSE(teile[i].art != Phrasenteil::Art::Text &&
                             teile[i - 1].art != Phrasenteil::Art::Text)
                    << "section " << bereich.nummer << " grade " << note << " piece " << i;
            }
        }
    }
}

} // namespace
