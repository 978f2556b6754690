#pragma once

#include "output/basisdokument.h"
#include "output/zeugnisaufbau.h"

#include <string>

namespace velmora {

// The document as RTF, written into the base document at the start of its body. The page
// setup is the base's own (the model's page came from there).
std::string rtfDokument(const Dokumentmodell& modell, const Basisdokument& basis);

} // namespace velmora
