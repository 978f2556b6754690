#pragma once

#include "compose/zeugnisdaten.h"

#include <algorithm>
#include <array>

namespace velmora {

// Where the ten input boxes and their labels stand in the upper tab strip. Twips, relative to
// the strip; labels and boxes have one height each (see frmzg). On the employee's page a label
// beside its box stands two pixels lower, so that both texts share a baseline.
struct Angabenfeld {
    int eingabe;        // txtang(i), the order of Eingabe
    int seite;          // 0 "&Angaben zum Arbeitnehmer", 1 "&Angaben zum Arbeitgeber"
    int beschriftungNr; // lblallg(i)
    int beschriftungLinks;
    int beschriftungOben;
    int beschriftungBreite;
    int feldLinks;
    int feldOben;
    int feldBreite;
};

// In the focus order of the window.
inline constexpr std::array<Angabenfeld, anzahlEingaben> angabenfelder = {{
    {0, 0, 0, 1320, 480, 855, 1320, 720, 2655},
    {1, 0, 1, 4200, 480, 855, 4200, 720, 2415},
    {2, 0, 2, 240, 1110, 1215, 1320, 1080, 1575},
    {3, 0, 3, 3360, 1110, 855, 4200, 1080, 2415},
    {4, 0, 4, 240, 1470, 855, 1320, 1440, 5295},
    {7, 0, 18, 240, 1830, 1095, 1320, 1800, 1575},
    {8, 0, 23, 3360, 1830, 1740, 5160, 1800, 975},
    {5, 1, 5, 240, 600, 2175, 2880, 600, 3855},
    {6, 1, 6, 240, 1005, 2415, 2880, 960, 1575},
    {9, 1, 24, 4560, 1080, 255, 4800, 960, 1095},
}};

// The page of the upper strip that holds the input's box.
constexpr int reiterDerEingabe(Eingabe eingabe) {
    return std::ranges::find(angabenfelder, static_cast<int>(eingabe), &Angabenfeld::eingabe)
        ->seite;
}

} // namespace velmora
