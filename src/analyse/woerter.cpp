#include "analyse/woerter.h"

#include "encoding/zeichensatz.h"

namespace velmora {

namespace {

void kleinAnhaengen(char32_t cp, std::string& ziel) {
    if (cp >= 'A' && cp <= 'Z') {
        ziel += static_cast<char>(cp - 'A' + 'a');
    } else if (cp == U'ß' || cp == U'ẞ') {
        ziel += "ss";
    } else if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) {
        utf8Anhaengen(cp + 0x20, ziel);
    } else {
        utf8Anhaengen(cp, ziel);
    }
}

} // namespace

std::vector<Wort> woerter(std::string_view text) {
    std::vector<Wort> liste;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t von = pos;
        const char32_t cp = naechsterCodepunkt(text, pos);
        if (!wortzeichen(cp)) {
            continue;
        }
        if (liste.empty() || liste.back().bis != von) {
            liste.push_back({{}, von, von});
        }
        kleinAnhaengen(cp, liste.back().form);
        liste.back().bis = pos;
    }
    return liste;
}

std::string vergleichsform(std::string_view text) {
    std::string form;
    for (const Wort& wort : woerter(text)) {
        form += (form.empty() ? "" : " ") + wort.form;
    }
    return form;
}

std::string alsText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const std::string utf8 = istUtf8(bytes) ? std::string(bytes) : windows1252NachUtf8(bytes);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            text += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else if (utf8[i] == '\f' || utf8[i] == '\v') { // page and line breaks of word processors
            text += '\n';
        } else if (std::string_view(utf8).substr(i, 2) == "\xE2\x80" && i + 2 < utf8.size() &&
                   (utf8[i + 2] == '\xA8' || utf8[i + 2] == '\xA9')) { // U+2028, U+2029
            text += '\n';
            i += 2;
        } else {
            text += utf8[i];
        }
    }
    return text;
}

} // namespace velmora
