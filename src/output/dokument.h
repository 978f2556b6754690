#pragma once

#include "output/zeugnisaufbau.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct Zeugnisdokument {
    std::string rtf;
    // False when the base document was missing or no RTF and the built-in page setup stood in.
    bool basisVerwendet = false;
};

// The document as RTF, written into the base document at the start of its body. The page
// setup is the base's own (the model's page came from there).
Zeugnisdokument rtfDokument(const Dokumentmodell& modell, std::optional<std::string_view> basis);

} // namespace velmora
