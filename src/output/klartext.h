#pragma once

#include "output/zeugnisaufbau.h"

#include <string>

namespace velmora {

// The reference as plain text for the clipboard: lines joined with CR LF, no break at the end.
std::string klartext(const Zeugnisdaten& daten, const AngezeigteVorschautexte& vorschautexte);

} // namespace velmora
