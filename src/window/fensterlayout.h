#pragma once

#include "ui/twips.h"

#include <array>

// Where the main window's controls stand, in twips relative to their container (the client
// area, a tab strip or a grade frame). The input boxes of the upper strip are in
// angabenfelder.h.
namespace velmora::fensterlayout {

// Heights no table of the window gives: one row of tabs, a label, a text box, the gender box.
inline constexpr int reiterzeile = 360;
inline constexpr int beschriftungHoehe = 255;
inline constexpr int feldHoehe = 285;
inline constexpr int auswahlHoehe = 315;

inline constexpr Twips flaeche{0, 0, 7605, 7305};
inline constexpr Twips obereLeiste{120, 120, 7335, 2295};
inline constexpr Twips untereLeiste{120, 2520, 7335, 3735};
inline constexpr int obereReiterProZeile = 3;
inline constexpr int untereReiterProZeile = 5;

// On the upper strip's pages.
inline constexpr Twips geschlecht{240, 720, 975, auswahlHoehe};
inline constexpr Twips warnhinweis{120, 480, 7095, 1575};

// On every section page.
inline constexpr Twips anzeigeUeberschrift{240, 1200, 1815, 255};
inline constexpr Twips anzeige{960, 1800, 255, 255};
inline constexpr std::array<Twips, 2> linien = {{{120, 1560, 6600, 15}, {120, 2280, 6600, 15}}};
inline constexpr Twips vorschau{120, 2400, 6615, 1215};
inline constexpr int vorschauHoeheErsterReiter = 1095;

struct Knopflage {
    int links; // inside the grade frame
    int breite;
};

// A grade group with its heading above it.
struct Notengruppe {
    Twips ueberschrift;
    Twips rahmen;
    int knopfHoehe;
    std::array<Knopflage, 6> knoepfe; // as many as the group has buttons
};

inline constexpr Notengruppe schulnoten{
    {2520, 1200, 3855, 255},
    {2520, 1800, 3855, 255},
    255,
    {{{0, 495}, {600, 495}, {1200, 495}, {1800, 495}, {2400, 495}, {3000, 495}}}};

inline constexpr Notengruppe beendigungsgruende{{2400, 1200, 3855, 255},
                                                {2160, 1680, 4695, 375},
                                                375,
                                                {{{240, 1335}, {1560, 1215}, {2760, 1815}}}};

// The command buttons cmdfertig(0) to cmdfertig(2), and the default button beyond the right
// edge that no one sees.
inline constexpr std::array<Twips, 3> befehlsknoepfe = {
    {{120, 6360, 3615, 855}, {3840, 6360, 3615, 375}, {3840, 6840, 3615, 375}}};
inline constexpr Twips standardknopf{9120, 2640, 495, 735};

} // namespace velmora::fensterlayout
