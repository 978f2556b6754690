#pragma once

#include <string_view>

namespace velmora {

// A sentence of a text the program writes: its section (0 for the head sentences) and in
// which grades' texts it stands (bit g; section 12: bit of its reason or occasion 1..3), in
// which kinds' libraries (bit artIndex).
struct BekannterSatz {
    int bereich = 0;
    unsigned noten = 0;
    unsigned arten = 0;

    // The grade the sentence decides alone, or 0 when several grades share it.
    int note() const;
};

// The known sentence the text is, whatever the names, dates, places and gender forms in it;
// nullptr when it is none. The table is built at the first call.
const BekannterSatz* bekannterSatz(std::string_view satz);

} // namespace velmora
