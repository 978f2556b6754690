#pragma once

#include "encoding/zeichensatz.h"
#include "output/dokumenttext.h"

#include <string>
#include <string_view>

namespace velmora {

// Appends a piece of a document's text as the readers hand it on: well-formed UTF-8 (a broken
// sequence as U+FFFD), a tab as a blank, no other control character.
inline void textzeichenAnhaengen(std::string_view text, std::string& ziel) {
    dokumentzeichen(text, [&ziel](char32_t c) { utf8Anhaengen(c == tabulator ? U' ' : c, ziel); });
}

} // namespace velmora
