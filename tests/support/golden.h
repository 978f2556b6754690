#pragma once

// Golden files: what the program writes, kept beside the tests to compare byte for byte.
#include "support/datentabelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace velmora::test {

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
