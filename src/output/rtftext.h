#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Appends UTF-8 text to an RTF document so that it reads back exactly as typed and can never
// change the document's structure: "\", "{" and "}" escaped, a tab as \tab, other control
// characters dropped, every other non-ASCII character as \uN with its Windows-1252 byte (or "?")
// for older readers. Expects \uc1 in effect.
void rtfTextAnhaengen(std::string_view utf8, std::string& ziel);

// A byte as RTF writes it in hex (a character's code page byte, a picture): two lowercase
// digits.
inline void rtfHexAnhaengen(unsigned char byte, std::string& ziel) {
    constexpr char ziffern[] = "0123456789abcdef";
    ziel += ziffern[byte >> 4];
    ziel += ziffern[byte & 0xF];
}

} // namespace velmora
