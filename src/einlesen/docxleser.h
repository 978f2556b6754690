#pragma once

#include "einlesen/eingelesen.h"

#include <string_view>

namespace velmora {

// The body of a Word document (word/document.xml), a paragraph a line, a list item with a
// bullet before it; tabs and line breaks inside a paragraph as blanks. Page headers, footers,
// notes and deleted text are not read.
Eingelesen docxLesen(std::string_view bytes);

} // namespace velmora
