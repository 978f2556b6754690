#pragma once

#include "compose/zeugnisdaten.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One word of a section's text that a block keeps as a slot: where it stands in the text
// (bytes), the word as written, and the slot's name without braces ("Name", "er", "Seine").
struct Ersetzung {
    std::size_t stelle = 0;
    std::string wort;
    std::string slot;
    // The word may well mean something else ("sie" for several people, "ihr" as "their"), so
    // the user should look at it.
    bool mehrdeutig = false;
};

// The employee's name and the gendered words of `geschlecht` in `text`, in the order they
// stand. Whole words only, as written: "Sie" at a sentence's start is {Er}, "ihrem" {seinem};
// a name inside another word stays.
std::vector<Ersetzung> ersetzungenFinden(std::string_view text, int geschlecht,
                                         std::string_view vorname, std::string_view name);

// The block's text: each replacement whose flag in `an` is set becomes its slot, the others
// keep their word. A brace the user typed is doubled, so it never reads as a slot.
std::string slottext(std::string_view text, const std::vector<Ersetzung>& ersetzungen,
                     const std::vector<bool>& an);

// A block's text for a reference of `geschlecht`: slots of the gendered words and of the
// inputs (names, places, dates) filled from `daten`, a doubled brace a single one. A slot
// this program does not know stays as written.
std::string bausteinFuellen(std::string_view vorlage, int geschlecht, const Zeugnisdaten& daten);

} // namespace velmora
