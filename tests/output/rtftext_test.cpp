#include "output/rtftext.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

struct Fall {
    const char* wozu;
    std::string eingabe;
    std::string rtf;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.wozu;
}

class RtfText : public testing::TestWithParam<Fall> {};

TEST_P(RtfText, escapes) {
    std::string ziel;
    rtfTextAnhaengen(GetParam().eingabe, ziel);
    EXPECT_EQ(ziel, GetParam().rtf) << GetParam().wozu;
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, RtfText,
    testing::Values(Fall{"braces and backslash cannot open a group or a control word",
                         "Ma{r}k\\par", "Ma\\{r\\}k\\\\par"},
                    Fall{"euro sign lies in the code page's middle", "€", "\\u8364\\'80"},
                    Fall{"above 32767 is negative", "\xef\xac\x81", "\\u-1279?"},
                    Fall{"no code page byte gives a question mark", "ł", "\\u322?"},
                    Fall{"beyond the basic plane as a surrogate pair", "\xf0\x9f\x98\x80",
                         "\\u-10179?\\u-8704?"},
                    Fall{"a tab is kept, other control characters are dropped",
                         std::string("a\tb\r\nc\x01\x7f"
                                     "d\xc2\x85",
                                     11),
                         "a\\tab bcd"},
                    Fall{"a tab ends its control word before a blank of the text", "\t x",
                         "\\tab  x"},
                    Fall{"NUL is dropped", std::string("x\0y", 3), "xy"},
                    Fall{"broken UTF-8 becomes the replacement character",
                         "a\xff"
                         "b",
                         "a\\u-3?b"},
                    Fall{"a digit after a fallback stays text", "ä1", "\\u228\\'e41"}));

} // namespace
