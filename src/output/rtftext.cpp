#include "output/rtftext.h"

#include "encoding/zeichensatz.h"
#include "output/dokumenttext.h"

#include <cstdint>

namespace velmora {

namespace {

// One UTF-16 unit as RTF writes it: a signed 16-bit number, then the fallback.
void einheitAnhaengen(char32_t einheit, std::string_view ersatz, std::string& ziel) {
    ziel += "\\u";
    ziel += std::to_string(static_cast<int>(static_cast<std::int16_t>(einheit)));
    ziel += ersatz;
}

} // namespace

void rtfTextAnhaengen(std::string_view utf8, std::string& ziel) {
    ziel.reserve(ziel.size() + utf8.size() + utf8.size() / 4);
    dokumentzeichen(utf8, [&ziel](char32_t c) {
        if (c == tabulator) {
            ziel += "\\tab ";
        } else if (c == '\\' || c == '{' || c == '}') {
            ziel += '\\';
            ziel += static_cast<char>(c);
        } else if (c < 0x80) {
            ziel += static_cast<char>(c);
        } else if (c > 0xFFFF) {
            const char32_t v = c - 0x10000;
            einheitAnhaengen(0xD800 + (v >> 10), "?", ziel);
            einheitAnhaengen(0xDC00 + (v & 0x3FF), "?", ziel);
        } else if (const auto byte = windows1252Byte(c); byte && *byte >= 0x80) {
            std::string ersatz = "\\'";
            rtfHexAnhaengen(*byte, ersatz);
            einheitAnhaengen(c, ersatz, ziel);
        } else {
            einheitAnhaengen(c, "?", ziel);
        }
    });
}

} // namespace velmora
