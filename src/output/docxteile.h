#pragma once

#include "output/dokumentmodell.h"

#include <string>
#include <vector>

namespace velmora {

// One part of a WordprocessingML package: its name in the archive and its bytes.
struct Docxteil {
    std::string name;
    std::string inhalt;
    bool komprimiert = false; // a picture, compressed in its own format
};

// The parts of the document as a Word document, the content types first: relationships,
// document.xml, styles, numbering, settings, core properties, the logo's picture and, for a
// document of more than one page, the footer with the page numbers.
std::vector<Docxteil> docxteile(const Dokumentmodell& modell, bool seitenzahlen);

} // namespace velmora
