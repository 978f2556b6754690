#pragma once

#include "output/docxteile.h"
#include "output/dokumentmodell.h"

#include <string>

namespace velmora {

// The document as a Word document (DOCX, WordprocessingML in a ZIP archive), in memory.
// Empty only when the archive could not be built for want of memory.
std::string docxDokument(const Dokumentmodell& modell);

// The parts packed into a ZIP archive in memory; empty when memory ran short.
std::string zipArchiv(const std::vector<Docxteil>& teile);

} // namespace velmora
