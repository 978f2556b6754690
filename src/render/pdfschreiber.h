#pragma once

#include "render/pdfmetadaten.h"

#include <QByteArray>

#include <optional>

namespace velmora {

struct Seitensatz;

// The pages set as a PDF/A-1b file of the program's own: each face embedded once with the
// glyphs the pages use, each character findable by its Unicode value, pictures on white
// paper, the metadata alike in the info dictionary and the XMP packet. Nothing when a face has
// no TrueType outlines to embed; Qt's writer takes over then.
std::optional<QByteArray> pdfSchreiben(const Seitensatz& satz, const Pdfmetadaten& daten);

} // namespace velmora
