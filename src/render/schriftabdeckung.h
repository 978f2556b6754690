#pragma once

#include <QString>

namespace velmora {

// The characters of `text` that the documents' font cannot show, not even through the fonts Qt
// falls back on for it (Chinese, Japanese, some emoji on many systems): each once, in the
// order they first appear. Empty when the PDF and the print show every character.
QString nichtDarstellbar(const QString& text);

} // namespace velmora
