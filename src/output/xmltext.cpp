#include "output/xmltext.h"

#include "encoding/zeichensatz.h"
#include "output/dokumenttext.h"

namespace velmora {

void xmlZeichenAnhaengen(char32_t zeichen, std::string& ziel) {
    switch (zeichen) {
    case '<':
        ziel += "&lt;";
        break;
    case '>':
        ziel += "&gt;";
        break;
    case '&':
        ziel += "&amp;";
        break;
    case '"':
        ziel += "&quot;";
        break;
    case '\'':
        ziel += "&apos;";
        break;
    case 0xFFFE:
    case 0xFFFF:
        break;
    default:
        utf8Anhaengen(zeichen, ziel);
    }
}

void xmlTextAnhaengen(std::string_view utf8, std::string& ziel) {
    dokumentzeichen(utf8, [&ziel](char32_t c) { xmlZeichenAnhaengen(c, ziel); });
}

} // namespace velmora
