#include "encoding/zeichensatz.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Each byte sequence of the list beside this test by its first code point, the bytes that takes,
// and whether the sequence is UTF-8.
TEST(Zeichensatz, JedeFolgeNachIhremKuerzestenCodepunkt) {
    for (const auto& fall : test::datentabelle(VELMORA_DATEN "/utf8folgen.txt")) {
        std::size_t pos = 0;
        EXPECT_EQ(naechsterCodepunkt(fall.at(0), pos),
                  char32_t(std::stoul(fall.at(1), nullptr, 16)))
            << testing::PrintToString(fall[0]);
        EXPECT_EQ(pos, std::stoul(fall.at(2))) << testing::PrintToString(fall[0]);
        EXPECT_EQ(istUtf8(fall[0]), fall.at(3) == "ja") << testing::PrintToString(fall[0]);
    }
}

} // namespace
