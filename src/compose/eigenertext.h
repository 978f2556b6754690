#pragma once

#include "compose/zeugnisdaten.h"

#include <string>
#include <string_view>

namespace velmora {

// Whether the library's texts of a section run on into the next section's in the same
// paragraph: each of them ends in ". ".
bool laeuftWeiter(int bereich, Zeugnisart art);

// A text the user wrote for a section, as the reference carries it in place of the library's:
// on one line, without white space at either end, and in a section that runs on ending in
// ". " whatever was typed. Empty for a blank text.
std::string eigenerText(int bereich, Zeugnisart art, std::string_view text);

} // namespace velmora
