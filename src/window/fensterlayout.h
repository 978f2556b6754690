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

// The upper strip has a second row of tabs for the tasks and the signature: it, everything
// below it and the window are that much taller, and the pages of the upper strip begin that
// much lower. Every place of the first row's pages is given as on a strip of one row.
inline constexpr int zweiteZeile = reiterzeile;
// The section pages have a row for the user's text blocks below the row of own words: the
// lower strip, everything below it and the window are that much taller.
inline constexpr int bausteinzeilenhoehe = 390;

inline constexpr Twips flaeche{0, 0, 7605, 7305 + zweiteZeile + bausteinzeilenhoehe};
inline constexpr Twips obereLeiste{120, 120, 7335, 2295 + zweiteZeile};
inline constexpr Twips untereLeiste{120, 2520 + zweiteZeile, 7335, 3735 + bausteinzeilenhoehe};
inline constexpr int obereReiterProZeile = 3;
inline constexpr int untereReiterProZeile = 5;

// A place on a page of the upper strip, given as on a strip with one row of tabs.
constexpr Twips aufObererSeite(Twips t) {
    return {t.links, t.oben + zweiteZeile, t.breite, t.hoehe};
}

// On the upper strip's pages.
inline constexpr Twips geschlecht{240, 720, 975, auswahlHoehe};
inline constexpr Twips warnhinweis{120, 480, 7095, 1575};

// A box and the label beside it that names it.
struct Feldlage {
    Twips beschriftung;
    Twips feld;
};

// The page of the tasks: the department named in the tasks sentence, the tasks one per line,
// the achievements.
inline constexpr Feldlage bereich{{240, 525, 1095, beschriftungHoehe},
                                  {1320, 480, 5895, feldHoehe}};
// The tasks box shows five lines of 60 characters; the achievements take what is left.
inline constexpr Feldlage aufgaben{{240, 810, 5280, beschriftungHoehe}, {240, 1050, 5280, 1200}};
inline constexpr Feldlage erfolge{{5625, 810, 1590, beschriftungHoehe}, {5625, 1050, 1590, 1200}};

// The page of the signature: who signs, in which function and with which authority, whether
// the birth data are named, and the kind of reference.
inline constexpr Feldlage unterzeichner{{240, 525, 1095, beschriftungHoehe},
                                        {1320, 480, 2655, feldHoehe}};
inline constexpr Feldlage vollmacht{{4200, 525, 975, beschriftungHoehe},
                                    {5160, 480, 1095, auswahlHoehe}};
inline constexpr Feldlage funktion{{240, 885, 1095, beschriftungHoehe},
                                   {1320, 840, 2655, feldHoehe}};
inline constexpr Twips geburtsangaben{240, 1320, 3735, beschriftungHoehe};
inline constexpr Twips artBeschriftung{4200, 1005, 2775, beschriftungHoehe};
inline constexpr std::array<Twips, 2> artKnoepfe = {
    {{4200, 1260, 2775, beschriftungHoehe}, {4200, 1560, 2775, beschriftungHoehe}}};

// On every section page.
inline constexpr Twips anzeigeUeberschrift{240, 1200, 1815, 255};
inline constexpr Twips anzeige{960, 1800, 255, 255};
inline constexpr std::array<Twips, 2> linien = {{{120, 1560, 6600, 15}, {120, 2280, 6600, 15}}};
inline constexpr Twips vorschau{120, 2400, 6615, 915};
inline constexpr int vorschauHoeheErsterReiter = 795;
// Below the preview, the section's own words: the button that turns the preview into a box
// for them, the marker of a section that has them, and the button that brings the library's
// text back.
inline constexpr int textzeile = 3330;
inline constexpr Twips textAnpassen{120, textzeile, 1695, 345};
inline constexpr Twips eigenerTextMarke{1935, textzeile + 45, 1095, 255};
inline constexpr Twips bausteinZurueck{3120, textzeile, 2955, 345};
// Below them, the user's blocks of the section to choose from, and the button that keeps the
// own words as a block.
inline constexpr int bausteinzeile = textzeile + bausteinzeilenhoehe;
inline constexpr Twips bausteinWahl{120, bausteinzeile, 2955, 345};
inline constexpr Twips bausteinSpeichern{3120, bausteinzeile, 2955, 345};
// With own words, the lower part of the preview says how the analysis reads them.
inline constexpr int lesartHoehe = 405;
// The phrasing of the preview, one button above the other to its right.
inline constexpr std::array<Twips, 3> formulierungen = {
    {{6780, 2400, 480, 255}, {6780, 2700, 480, 255}, {6780, 3000, 480, 255}}};

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

// Beendigungsgrund by the kind of reference: an interim reference names why it is issued,
// with longer captions that share the frame differently. Each caption ends clear of the next
// button.
inline constexpr std::array<Notengruppe, 2> grundgruppen = {{
    {{2400, 1200, 3855, 255},
     {2025, 1680, 4830, 375},
     375,
     {{{0, 1425}, {1545, 1290}, {2985, 1800}}}},
    {{2400, 1200, 3855, 255},
     {2025, 1680, 4830, 375},
     375,
     {{{0, 990}, {1110, 1935}, {3180, 1650}}}},
}};

// The command buttons cmdfertig(0) to cmdfertig(2), and the default button beyond the right
// edge that no one sees.
inline constexpr int knopfzeile = 6360 + zweiteZeile + bausteinzeilenhoehe;
inline constexpr std::array<Twips, 3> befehlsknoepfe = {{{120, knopfzeile, 3615, 855},
                                                         {3840, knopfzeile, 3615, 375},
                                                         {3840, knopfzeile + 480, 3615, 375}}};
inline constexpr Twips standardknopf{9120, 2640 + zweiteZeile + bausteinzeilenhoehe, 495, 735};

} // namespace velmora::fensterlayout
