#pragma once

#include "einlesen/eingelesen.h"

#include <string_view>

namespace velmora {

// The body text of an RTF document, a paragraph (\par) or line (\line) a line; font and colour
// tables, style sheet, information, pictures, field instructions, page headers and footers left
// out.
Eingelesen rtfLesen(std::string_view bytes);

} // namespace velmora
