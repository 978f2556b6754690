#include "render/seitendruck.h"

#include "render/seitensatz.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

namespace velmora {

namespace {

constexpr double twipsProZoll = 1440;

} // namespace

QPageSize papierformat(QSizeF twips) {
    return QPageSize(twips / twipsProZoll, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
}

QPageLayout seitenlayout(const Seite& seite) {
    return QPageLayout(papierformat(QSizeF(seite.breite, seite.hoehe)), QPageLayout::Portrait,
                       QMarginsF());
}

void seiteZeichnen(QPainter& maler, const GesetzteSeite& seite) {
    for (const GesetzteSeite::Bildstelle& stelle : seite.bilder) {
        maler.drawImage(stelle.ort, stelle.bild);
    }
    // Black on paper, whatever colours the screen's theme gives a painter.
    maler.setPen(Qt::black);
    for (const QGlyphRun& lauf : seite.glyphen) {
        maler.drawGlyphRun(QPointF(), lauf);
    }
}

bool seitenDrucken(QPagedPaintDevice& geraet, const Seitensatz& satz) {
    QPainter maler;
    if (!maler.begin(&geraet)) {
        return false;
    }
    // The painter starts at the printable area's corner; the pages are set from the paper's.
    const int aufloesung = geraet.logicalDpiX();
    const QPoint rand = geraet.pageLayout().paintRectPixels(aufloesung).topLeft();
    maler.translate(-rand);
    maler.scale(aufloesung / twipsProZoll, geraet.logicalDpiY() / twipsProZoll);
    const QPageRanges auswahl = geraet.pageRanges();
    bool ersteSeite = true;
    for (std::size_t i = 0; i < satz.seiten.size(); ++i) {
        if (!auswahl.isEmpty() && !auswahl.contains(int(i) + 1)) {
            continue;
        }
        if (!ersteSeite && !geraet.newPage()) {
            return false;
        }
        ersteSeite = false;
        seiteZeichnen(maler, satz.seiten[i]);
    }
    return maler.end();
}

Druckauftrag druckauftrag(const Dokumentmodell& modell) {
    auto satz = std::make_shared<const Seitensatz>(seitensatz(modell));
    return {dokumenttext(modell.titel), seitenlayout(modell.seite), int(satz->seiten.size()),
            [satz](QPagedPaintDevice& drucker) { return seitenDrucken(drucker, *satz); }};
}

} // namespace velmora
