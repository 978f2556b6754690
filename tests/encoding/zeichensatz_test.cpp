#include "encoding/zeichensatz.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace velmora;

namespace {

// The first code point of each byte sequence and how many bytes it takes. A sequence that is no
// UTF-8 (an overlong form, a surrogate, beyond U+10FFFF, cut short) gives U+FFFD for one byte.
TEST(Zeichensatz, JedeFolgeNachIhremKuerzestenCodepunkt) {
    struct Fall {
        std::string_view bytes;
        char32_t codepunkt;
        std::size_t laenge;
        bool utf8;
    };
    const Fall faelle[] = {
        {"A", U'A', 1, true},
        {"\xC2\x80", 0x80, 2, true},
        {"\xE0\xA0\x80", 0x800, 3, true},
        {"\xF0\x90\x80\x80", 0x10000, 4, true},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
        {"\xEF\xBF\xBD", 0xFFFD, 3, true},
        // Overlong: "/" in two, three and four bytes, the largest overlong of each length.
        {"\xC0\xAF", 0xFFFD, 1, false},
        {"\xE0\x80\xAF", 0xFFFD, 1, false},
        {"\xF0\x80\x80\xAF", 0xFFFD, 1, false},
        {"\xC1\xBF", 0xFFFD, 1, false},
        {"\xE0\x9F\xBF", 0xFFFD, 1, false},
        {"\xF0\x8F\xBF\xBF", 0xFFFD, 1, false},
        {"\xED\xA0\x80", 0xFFFD, 1, false},
        {"\xF4\x90\x80\x80", 0xFFFD, 1, false},
        {"\xC3", 0xFFFD, 1, false},
        {"\x80", 0xFFFD, 1, false},
        {"\xF8\x88\x80\x80\x80", 0xFFFD, 1, false},
    };
    for (const Fall& fall : faelle) {
        std::size_t pos = 0;
        EXPECT_EQ(naechsterCodepunkt(fall.bytes, pos), fall.codepunkt)
            << testing::PrintToString(fall.bytes);
        EXPECT_EQ(pos, fall.laenge) << testing::PrintToString(fall.bytes);
        EXPECT_EQ(istUtf8(fall.bytes), fall.utf8) << testing::PrintToString(fall.bytes);
    }
}

} // namespace
