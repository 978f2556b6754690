#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A word of a sentence: its form for comparing (lower case, "ß" as "ss") and where it stands.
struct Wort {
    std::string form;
    std::size_t von = 0;
    std::size_t bis = 0;
};

// The words of a UTF-8 text: runs of letters and digits; everything else separates them.
std::vector<Wort> woerter(std::string_view text);

// A text in the form its words are compared in.
std::string vergleichsform(std::string_view text);

// Any text as UTF-8 with "\n" line ends: a byte-order mark dropped, Windows-1252 when the bytes
// are no UTF-8.
std::string alsText(std::string_view bytes);

} // namespace velmora
