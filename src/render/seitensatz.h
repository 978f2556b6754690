#pragma once

#include "output/dokumentmodell.h"

#include <QGlyphRun>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <string_view>
#include <vector>

namespace velmora {

// One page of the document set: every glyph and picture at its place on the paper, in twips
// from the paper's top left corner.
struct GesetzteSeite {
    struct Bildstelle {
        QRectF ort;
        QImage bild;
    };
    std::vector<QGlyphRun> glyphen;
    std::vector<Bildstelle> bilder;
};

// The document laid out once, independent of any device: the PDF, the printer and the screen
// draw the same pages at their own scale.
struct Seitensatz {
    QSizeF papier; // in twips
    std::vector<GesetzteSeite> seiten;
};

// The letterhead on the first page, then the paragraphs, line by line, onto as many pages as
// they need. Arial in points, the character width as real width, the paragraph's alignment,
// a list item's bullet hanging left of its text, an empty paragraph as high as its mark. No
// page begins or ends with a single line of a paragraph, nor parts what is kept together;
// more than one page are numbered "Seite N von M" below the text.
Seitensatz seitensatz(const Dokumentmodell& modell);

// A run's text as the documents keep it: a tab stays, other control characters go.
QString dokumenttext(std::string_view utf8);

// A picture's bytes decoded as the pages draw it; kept in the picture's `entpackt`, the
// layout takes it from there instead of decoding the bytes again.
QImage bildEntpacken(const Bild& bild);

} // namespace velmora
