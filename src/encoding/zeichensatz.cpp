#include "encoding/zeichensatz.h"

#include <array>

namespace velmora {

namespace {

constexpr char32_t ersatzzeichen = 0xFFFD;

// Bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined map to the control
// character of the same number, as Windows does, so they survive a round trip.
// Every other byte means the Latin-1 code point of the same number.
constexpr std::array<char32_t, 32> windows1252Mitte = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool folgebyte(std::string_view s, std::size_t i) {
    return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

} // namespace

char32_t naechsterCodepunkt(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int laenge = 0;
    char32_t cp = 0;
    char32_t kleinster = 0;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        laenge = 2, cp = b0 & 0x1F, kleinster = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        laenge = 3, cp = b0 & 0x0F, kleinster = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        laenge = 4, cp = b0 & 0x07, kleinster = 0x10000;
    } else {
        ++pos;
        return ersatzzeichen;
    }
    for (int i = 1; i < laenge; ++i) {
        if (!folgebyte(s, pos + i)) {
            ++pos;
            return ersatzzeichen;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    }
    if (cp < kleinster || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return ersatzzeichen;
    }
    pos += laenge;
    return cp;
}

bool wortzeichen(char32_t cp) {
    if (cp < 0x80) {
        return (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9');
    }
    return cp >= 0xC0 && cp != 0xD7 && cp != 0xF7 && !(cp >= 0x2000 && cp <= 0x2BFF) &&
           cp != 0xFFFD;
}

void utf8Anhaengen(char32_t cp, std::string& ziel) {
    if (cp < 0x80) {
        ziel += static_cast<char>(cp);
    } else if (cp < 0x800) {
        ziel += static_cast<char>(0xC0 | (cp >> 6));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        ziel += static_cast<char>(0xE0 | (cp >> 12));
        ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (cp >> 18));
        ziel += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool istUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t vorher = pos;
        const char32_t cp = naechsterCodepunkt(text, pos);
        // A real U+FFFD takes three bytes; the replacement for a bad byte takes one.
        if (cp == ersatzzeichen && pos - vorher == 1) {
            return false;
        }
    }
    return true;
}

std::optional<unsigned char> windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<unsigned char>(cp);
    }
    for (std::size_t i = 0; i < windows1252Mitte.size(); ++i) {
        if (windows1252Mitte[i] == cp) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string windows1252NachUtf8(std::string_view text) {
    std::string ziel;
    ziel.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        utf8Anhaengen(b >= 0x80 && b <= 0x9F ? windows1252Mitte[b - 0x80] : b, ziel);
    }
    return ziel;
}

std::optional<std::string> utf8NachWindows1252(std::string_view text) {
    std::string ziel;
    ziel.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = windows1252Byte(naechsterCodepunkt(text, pos));
        if (!byte) {
            return std::nullopt;
        }
        ziel += static_cast<char>(*byte);
    }
    return ziel;
}

} // namespace velmora
