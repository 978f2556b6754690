#include "render/schriftabdeckung.h"

#include "output/dokumentmodell.h"

#include <QFont>
#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>

#include <algorithm>

namespace velmora {

namespace {

// What takes no glyph of its own: blanks, line ends, marks of direction and joining.
bool unsichtbar(char32_t zeichen) {
    switch (QChar::category(zeichen)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Laid out as the page is laid out, fallback fonts included: glyph 0 is the box a font draws
// for a character it lacks.
bool darstellbar(const QString& zeichen, const QFont& schrift) {
    QTextLayout satz(zeichen, schrift);
    satz.beginLayout();
    satz.createLine();
    satz.endLayout();
    const QList<QGlyphRun> laeufe = satz.glyphRuns();
    return std::none_of(laeufe.begin(), laeufe.end(),
                        [](const QGlyphRun& lauf) { return lauf.glyphIndexes().contains(0); });
}

} // namespace

QString nichtDarstellbar(const QString& text) {
    const QFont schrift(QString::fromUtf8(dokumentschrift));
    QSet<char32_t> gesehen;
    QString fehlend;
    for (const char32_t zeichen : text.toUcs4()) {
        // Plain ASCII is in every font.
        if (zeichen < 0x80 || unsichtbar(zeichen) || gesehen.contains(zeichen)) {
            continue;
        }
        gesehen.insert(zeichen);
        const QString einzeln = QString::fromUcs4(&zeichen, 1);
        if (!darstellbar(einzeln, schrift)) {
            fehlend += einzeln;
        }
    }
    return fehlend;
}

} // namespace velmora
