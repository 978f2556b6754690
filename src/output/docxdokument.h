#pragma once

#include "output/dokumentmodell.h"

#include <string>

namespace velmora {

// The document as a Word document (DOCX, WordprocessingML in a ZIP archive), in memory.
// Empty only when the archive could not be built for want of memory.
std::string docxDokument(const Dokumentmodell& modell);

} // namespace velmora
