#pragma once

#include "output/docxteile.h"
#include "output/dokumentmodell.h"

#include <string>

namespace velmora {

// The document as a Word document (DOCX, WordprocessingML in a ZIP archive), in memory.
// Empty only when the archive could not be built for want of memory. With `seitenzahlen`
// (the pages as the program lays them out are more than one) its pages are numbered.
std::string docxDokument(const Dokumentmodell& modell, bool seitenzahlen = false);

// The parts packed into a ZIP archive in memory; empty when memory ran short.
std::string zipArchiv(const std::vector<Docxteil>& teile);

} // namespace velmora
