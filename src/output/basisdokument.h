#pragma once

#include "output/dokumentmodell.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A base document taken apart where the reference goes in: at the start of its body, after
// its header (font table, styles, page setup).
struct Basisdokument {
    std::string kopf;  // up to the start of the body; its font table holds Arial
    std::string rumpf; // the base's own body and the document's closing brace
    int arial = 0;     // Arial's number in the font table
    bool rumpfHatInhalt = false;
    Seite seite; // its paper size and margins where its header sets them
};

// Nothing when the text is no well-formed RTF document.
std::optional<Basisdokument> basisdokumentZerlegen(std::string_view rtf);

// The page setup that stands in for a missing or unusable base document: A4, margins of
// 2.5 cm, no text. The shipped temp.doc holds the same.
extern const std::string_view eingebautesBasisdokument;

// The built-in base taken apart, once for the program's run.
const Basisdokument& eingebauteBasis();

} // namespace velmora
