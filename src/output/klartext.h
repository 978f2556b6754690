#pragma once

#include "output/zeugnisaufbau.h"

#include <string>

namespace velmora {

// The document as plain text for the clipboard: each run followed by its line breaks (CR LF),
// an item of a list after "– "; no letterhead, no break at the end.
std::string klartext(const Dokumentmodell& modell);

// The reference as plain text.
std::string klartext(const Zeugnisdaten& daten, const AngezeigteVorschautexte& vorschautexte);

} // namespace velmora
