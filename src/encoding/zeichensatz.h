#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads the code point at `pos` and moves `pos` past it. A malformed sequence yields U+FFFD
// and skips one byte, so every input makes progress.
char32_t naechsterCodepunkt(std::string_view utf8, std::size_t& pos);

void utf8Anhaengen(char32_t codepunkt, std::string& ziel);

// A character that belongs to a word: a letter or digit of any script. The typographic marks
// (dashes, quotes, bullets), × and ÷ and the replacement character for broken bytes separate.
bool wortzeichen(char32_t codepunkt);

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool istUtf8(std::string_view text);

// The Windows-1252 byte for a code point, or nothing when the code page has none.
std::optional<unsigned char> windows1252Byte(char32_t codepunkt);

std::string windows1252NachUtf8(std::string_view text);

// Nothing when a character of the text has no Windows-1252 byte.
std::optional<std::string> utf8NachWindows1252(std::string_view text);

} // namespace velmora
