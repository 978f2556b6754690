#include "ui/einpassbeschriftung.h"

#include "ui/schriftgroesse.h"

#include <QFontMetrics>

namespace velmora {

Einpassbeschriftung::Einpassbeschriftung(const QFont& schrift, QWidget* eltern)
    : QLabel(eltern), nenn(schrift) {
    setFont(nenn);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Einpassbeschriftung::textSetzen(const QString& neu) {
    if (neu != text()) {
        setText(neu);
        einpassen();
    }
}

void Einpassbeschriftung::resizeEvent(QResizeEvent* ereignis) {
    QLabel::resizeEvent(ereignis);
    einpassen();
}

void Einpassbeschriftung::einpassen() {
    setFont(passendeSchrift(nenn, [this](const QFont& probe) { return passt(probe); }));
}

// Measured as QLabel lays out a plain text: wrapped at the width of its contents.
bool Einpassbeschriftung::passt(const QFont& schrift) const {
    // Nothing to measure: the font is not even loaded for an empty label.
    if (text().isEmpty()) {
        return true;
    }
    const QRect feld = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QRect noetig =
        QFontMetrics(schrift, this)
            .boundingRect(feld, static_cast<int>(alignment()) | Qt::TextWordWrap, text());
    return noetig.width() <= feld.width() && noetig.height() <= feld.height();
}

} // namespace velmora
