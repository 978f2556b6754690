#pragma once

#include "encoding/zeichensatz.h"

#include <string_view>

namespace velmora {

inline constexpr char32_t tabulator = '\t';

// Calls `zeichen` with each character of a run's text that documents keep: every code point
// (a malformed UTF-8 sequence as U+FFFD) and the tab; the other control characters (line
// breaks, NUL, C1) are dropped, as no one-line input means them.
template <typename Zeichen> void dokumentzeichen(std::string_view utf8, Zeichen&& zeichen) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = naechsterCodepunkt(utf8, pos);
        if (c == tabulator || (c >= 0x20 && (c < 0x7F || c > 0x9F))) {
            zeichen(c);
        }
    }
}

} // namespace velmora
