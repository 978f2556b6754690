#pragma once

#include "compose/phrasen.h"
#include "compose/zeugnisdaten.h"

#include <span>

namespace velmora {

// A text references carry that the phrase libraries no longer hold, or hold only as the
// closing composes it: known all the same, with its section and grade.
struct FruehererText {
    Zeugnisart art;
    int bereich;
    int note;
    Phrase phrase;
};

// The final library's texts before they were mended, and the closing's sentences as they read
// when the reason for leaving stands in the reference.
std::span<const FruehererText> fruehereTexte();

} // namespace velmora
