#include "output/rtftext.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace velmora;

namespace {

TEST(RtfText, MaskiertWasRtfSonstLiest) {
    const std::pair<std::string, std::string> faelle[] = {
        // Braces and backslash can open no group and no control word.
        {"Ma{r}k\\par", "Ma\\{r\\}k\\\\par"},
        // Beyond ASCII as \uN with the code page's byte, or "?" where it has none; above 32767
        // negative; beyond the basic plane as a surrogate pair.
        {"€", "\\u8364\\'80"},
        {"ł", "\\u322?"},
        {"\xef\xac\x81", "\\u-1279?"},
        {"\xf0\x9f\x98\x80", "\\u-10179?\\u-8704?"},
        // A tab is kept and ends its control word before a blank; other control characters,
        // NUL included, are dropped.
        {std::string("a\tb\r\nc\x01\x7f\0d\xc2\x85", 12), "a\\tab bcd"},
        {"\t x", "\\tab  x"},
        // Broken UTF-8 is the replacement character; a digit after a fallback stays text.
        {"a\xff"
         "b",
         "a\\u-3?b"},
        {"ä1", "\\u228\\'e41"},
    };
    for (const auto& [eingabe, rtf] : faelle) {
        std::string ziel;
        rtfTextAnhaengen(eingabe, ziel);
        EXPECT_EQ(ziel, rtf) << testing::PrintToString(eingabe);
    }
}

} // namespace
