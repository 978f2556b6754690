#pragma once

// The files kept beside the tests: golden files and data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

inline std::string dateiinhalt(const std::string& pfad) {
    std::stringstream gelesen;
    gelesen << std::ifstream(pfad, std::ios::binary).rdbuf();
    return gelesen.str();
}

// A data file's cell with its escapes resolved: \t, \r, \n, \\ and \xNN (one byte).
inline std::string entschluesselt(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
        } else if (const char c = text[++i]; c == 'x') {
            bytes += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
    }
    return bytes;
}

// The rows of a table kept beside a test as a text file: a row a line, its cells separated by
// " | ", escapes resolved unless the cells are `roh`; empty lines and comments ("#") left out.
inline std::vector<std::vector<std::string>> datentabelle(const std::string& pfad,
                                                          bool roh = false) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream text(dateiinhalt(pfad));
    for (std::string zeile; std::getline(text, zeile);) {
        if (zeile.empty() || zeile.starts_with('#')) {
            continue;
        }
        zeilen.emplace_back();
        for (std::size_t von = 0, bis = 0; bis != std::string::npos; von = bis + 3) {
            bis = zeile.find(" | ", von);
            const std::string zelle = zeile.substr(von, bis - von);
            zeilen.back().push_back(roh ? zelle : entschluesselt(zelle));
        }
    }
    if (zeilen.empty()) {
        ADD_FAILURE() << pfad << " holds no data";
    }
    return zeilen;
}

// Compares a text with the golden file at `pfad` byte for byte and shows where they first
// differ. VELMORA_GOLDEN_NEU=1 writes the file anew instead: a new golden file is the
// expectation, so read it (or its diff) by eye before it is committed.
inline void goldenVergleichen(const std::string& pfad, const std::string& ist) {
    if (std::getenv("VELMORA_GOLDEN_NEU")) {
        std::ofstream(pfad, std::ios::binary) << ist;
        return;
    }
    const std::string soll = dateiinhalt(pfad);
    const auto [i, s] = std::mismatch(ist.begin(), ist.end(), soll.begin(), soll.end());
    if (i != ist.end() || s != soll.end()) {
        const std::size_t stelle = static_cast<std::size_t>(i - ist.begin());
        const std::size_t von = stelle < 40 ? 0 : stelle - 40;
        ADD_FAILURE() << pfad << " differs at byte " << stelle
                      << ":\n  written: " << testing::PrintToString(ist.substr(von, 80))
                      << "\n  golden:  " << testing::PrintToString(soll.substr(von, 80));
    }
}

} // namespace velmora::test
