#include "output/rtftext.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Each text of the list beside this test as RTF.
TEST(RtfText, MaskiertWasRtfSonstLiest) {
    for (const auto& fall : test::datentabelle(VELMORA_DATEN "/rtftexte.txt")) {
        std::string ziel;
        rtfTextAnhaengen(fall.at(0), ziel);
        EXPECT_EQ(ziel, fall.at(1)) << testing::PrintToString(fall[0]);
    }
}

} // namespace
