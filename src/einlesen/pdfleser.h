#pragma once

#include "einlesen/eingelesen.h"

#include <string_view>

namespace velmora {

// The text of a PDF in reading order, a line of the page a line of text and a blank line where
// a paragraph's gap stands; page numbers and the lines repeated at the same place on every page
// (page header and footer) left out. An encrypted PDF or one without text is refused.
Eingelesen pdfLesen(std::string_view bytes);

} // namespace velmora
