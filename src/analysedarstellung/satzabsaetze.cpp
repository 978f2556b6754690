#include "analysedarstellung/satzabsaetze.h"

#include <string>

namespace velmora {

namespace {

// Sentences are compared by their letters and digits alone: the engine collapses blanks and
// joins words broken at a line's end.
bool zaehlt(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 || (b >= '0' && b <= '9') || ((b | 0x20) >= 'a' && (b | 0x20) <= 'z');
}

std::string kern(std::string_view text) {
    std::string ergebnis;
    for (const char c : text) {
        if (zaehlt(c)) {
            ergebnis += c;
        }
    }
    return ergebnis;
}

struct Zeile {
    std::string_view text;
    bool leer;
};

std::vector<Zeile> zeilen(std::string_view text) {
    std::vector<Zeile> ergebnis;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        const std::string_view zeile = text.substr(0, ende);
        ergebnis.push_back({zeile, kern(zeile).empty()});
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
    }
    return ergebnis;
}

} // namespace

std::vector<std::vector<std::size_t>> satzabsaetze(std::string_view text, const Analyse& analyse) {
    // The text's letters, each with its paragraph.
    const std::vector<Zeile> alle = zeilen(text);
    bool leerzeilen = false;
    for (std::size_t i = 1; i + 1 < alle.size() && !leerzeilen; ++i) {
        leerzeilen = alle[i].leer;
    }
    std::string buchstaben;
    std::vector<std::size_t> absatzVon;
    std::size_t absatz = 0;
    bool imAbsatz = false;
    for (const Zeile& zeile : alle) {
        if (zeile.leer || !leerzeilen) {
            absatz += imAbsatz ? 1 : 0;
            imAbsatz = false;
        }
        for (const char c : zeile.text) {
            if (zaehlt(c)) {
                buchstaben += c;
                absatzVon.push_back(absatz);
                imAbsatz = true;
            }
        }
    }

    std::vector<std::vector<std::size_t>> absaetze;
    std::size_t stelle = 0;
    std::size_t letzter = 0;
    for (std::size_t i = 0; i < analyse.saetze.size(); ++i) {
        const std::string gesucht = kern(analyse.saetze[i].text);
        const std::size_t fund =
            gesucht.empty() ? std::string::npos : buchstaben.find(gesucht, stelle);
        std::size_t neu = letzter;
        if (fund != std::string::npos) {
            stelle = fund + gesucht.size();
            neu = absatzVon[stelle - 1];
        }
        if (absaetze.empty() || neu != letzter) {
            absaetze.emplace_back();
        }
        absaetze.back().push_back(i);
        letzter = neu;
    }
    return absaetze;
}

} // namespace velmora
