#pragma once

// The files kept beside the tests: golden files and data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {

inline std::string dateiinhalt(const std::string& pfad) {
    std::stringstream gelesen;
    gelesen << std::ifstream(pfad, std::ios::binary).rdbuf();
    return gelesen.str();
}

// The lines of a data file kept beside a test, without empty lines and comments ("#").
inline std::vector<std::string> datenzeilen(const std::string& pfad) {
    std::vector<std::string> zeilen;
    std::istringstream text(dateiinhalt(pfad));
    for (std::string zeile; std::getline(text, zeile);) {
        if (!zeile.empty() && !zeile.starts_with('#')) {
            zeilen.push_back(zeile);
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
