#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The kind of reference a text is, as far as it tells.
enum class Zeugnistyp { Unbekannt, Endzeugnis, Zwischenzeugnis };

// What the rules read from one sentence.
struct Satzbewertung {
    int bereich = 0;
    int note = 0;  // 1..6, 0 none
    int grund = 0; // section 12: reason 1..3 (0 unclear) or occasion 1..4 (4 another)
    std::vector<std::string> signale;           // the deciding words as they stand
    std::vector<std::string_view> codes;        // ids of the codes found
    std::vector<std::string_view> erklaerungen; // the rules' explanations, in their order
    unsigned schlussteile = 0;                  // bits of Schlussteil
    int zeitform = 0;                           // -1 past, 1 present, 0 neither or both
    int lob = 0;                                // the grade the praise words alone give, 0 none
    bool lobOhneBereich = false;                // it praises, but names nothing of a section
};

// The section and grade a sentence speaks of by the rules alone. `bereich` >= 0 takes that
// section as given (a text written for it). `vorgesetzteGenannt`: another sentence of the
// reference speaks of the conduct toward superiors.
Satzbewertung satzBewerten(std::string_view satz, Zeugnistyp typ, int bereich = -1,
                           bool vorgesetzteGenannt = false);

// The closing's grade from its parts (bits of Schlussteil) and the strength of its praise
// (0 none, else the grade the praise words alone give).
int schlussnote(unsigned teile, int lob, bool zwischenzeugnis, bool leistungen);

// Whether a closing's parts are those of an interim reference: thanks for the work so far,
// looking forward to more.
bool zwischenSchluss(unsigned teile);

} // namespace velmora
