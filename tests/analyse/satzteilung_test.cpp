// How a text falls into sentences, lines and list items: abbreviations, dates, initials,
// broken words, line ends and encodings, from the table beside this test.
#include "analyse/satzteilung.h"
#include "analyse/woerter.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

TEST(Satzteilung, WieInDerTabelle) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/satzteilung.txt")) {
        ASSERT_EQ(zeile.size(), 2U);
        std::string stuecke;
        for (const Textstueck& s : textTeilen(alsText(zeile[0]))) {
            stuecke += stuecke.empty() ? "" : " ¦ ";
            stuecke += s.art == Textstueck::Art::Satz    ? "S:"
                       : s.art == Textstueck::Art::Zeile ? "Z:"
                                                         : "A:";
            stuecke += s.text;
        }
        EXPECT_EQ(stuecke, zeile[1]) << zeile[0];
    }
}

} // namespace
