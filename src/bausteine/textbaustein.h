#pragma once

#include "compose/zeugnisdaten.h"

#include <string>
#include <vector>

namespace velmora {

// A section's words kept under a name for later references. The text holds slots where the
// employee's name and gendered words stood ({Herr}, {Name}, {er}, {Seine}, …), so it serves a
// man and a woman alike.
struct Textbaustein {
    std::string id; // stays the same through renames and merges; never reused
    std::string name;
    int bereich = 0; // section number, 1–13
    int note = 0;    // the grade (section 12: the reason) it was written for
    Zeugnisart art = Zeugnisart::Endzeugnis;
    std::string text;

    bool operator==(const Textbaustein&) const = default;
};

using Textbausteine = std::vector<Textbaustein>;

} // namespace velmora
