#include "ui/klickbeschriftung.h"

#include <QMouseEvent>

namespace velmora {

Klickbeschriftung::Klickbeschriftung(const QString& text, QWidget* eltern) : QLabel(text, eltern) {}

void Klickbeschriftung::alsVerweis() {
    QFont schrift = font();
    schrift.setUnderline(true);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(farben);
    setCursor(Qt::PointingHandCursor);
}

void Klickbeschriftung::mouseReleaseEvent(QMouseEvent* ereignis) {
    QLabel::mouseReleaseEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint())) {
        emit geklickt();
    }
}

} // namespace velmora
