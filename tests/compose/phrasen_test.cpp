#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"
#include "compose/phrasen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velmora;

namespace {

std::string slotName(const Phrasenteil& teil) {
    switch (teil.art) {
    case Phrasenteil::Art::Eingabe:
        return std::string(eingabeSlots[teil.index]);
    case Phrasenteil::Art::Anrede:
        return std::string(anredeSlots[teil.index]);
    default:
        return std::string(aufgabenbereichSlot);
    }
}

// Sections 1 to 7 speak of the employee by name and the basic gendered words; sections 8 to 13
// may also use the word endings, and only the final Schlussformel reads the leaving date: an
// interim reference has none.
const std::set<std::string> grundSlots = {"Name",   "Herr",   "Er",    "er",    "seinem", "seinen",
                                          "seines", "seiner", "seine", "Seine", "sein",   "ihm"};

std::set<std::string> erlaubteSlots(int bereich, Zeugnisart art) {
    std::set<std::string> erlaubt = grundSlots;
    if (bereich >= 8) {
        erlaubt.insert({"r", "e", "in"});
    }
    if (bereich == 13 && art == Zeugnisart::Endzeugnis) {
        erlaubt.insert("Austrittsdatum");
    }
    return erlaubt;
}

TEST(Phrasen, JedeNoteDerSkalaHatGenauEinePhrase) {
    for (const Zeugnisart art : zeugnisarten) {
        SCOPED_TRACE(::testing::Message() << "kind " << artIndex(art));
        for (const auto& bereich : bewertungsbereiche) {
            const int n = bereich.nummer;
            for (int note = 1; note <= bereich.stufen(); ++note) {
                EXPECT_NE(phrase(n, note, art), nullptr) << n << "/" << note;
            }
            EXPECT_EQ(phrase(n, bereich.stufen() + 1, art), nullptr) << n;
            EXPECT_EQ(phrase(n, 0, art), nullptr) << n;
        }
    }
}

TEST(Phrasen, NutzenNurSlotsIhresBereichs) {
    for (const Zeugnisart art : zeugnisarten) {
        SCOPED_TRACE(::testing::Message() << "kind " << artIndex(art));
        for (const auto& bereich : bewertungsbereiche) {
            const auto erlaubt = erlaubteSlots(bereich.nummer, art);
            for (int note = 1; note <= bereich.stufen(); ++note) {
                for (const auto& teil : phrase(bereich.nummer, note, art)->teile()) {
                    if (teil.art != Phrasenteil::Art::Text) {
                        EXPECT_TRUE(erlaubt.contains(slotName(teil)))
                            << "section " << bereich.nummer << " grade " << note << " uses {"
                            << slotName(teil) << "}";
                    }
                }
            }
        }
    }
}

// Two slots side by side would run two words together: every slot but an ending stands
// between literal text (or at the start).
TEST(Phrasen, WoerterStehenNieOhneTrennerNebeneinander) {
    for (const Zeugnisart art : zeugnisarten) {
        SCOPED_TRACE(::testing::Message() << "kind " << artIndex(art));
        for (const auto& bereich : bewertungsbereiche) {
            for (int note = 1; note <= bereich.stufen(); ++note) {
                const auto teile = phrase(bereich.nummer, note, art)->teile();
                for (std::size_t i = 1; i < teile.size(); ++i) {
                    EXPECT_FALSE(teile[i].art != Phrasenteil::Art::Text &&
                                 teile[i - 1].art != Phrasenteil::Art::Text)
                        << "section " << bereich.nummer << " grade " << note << " piece " << i;
                }
            }
        }
    }
}

} // namespace
