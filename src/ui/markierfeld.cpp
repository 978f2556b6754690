#include "ui/markierfeld.h"

#include <QFocusEvent>

namespace velmora {

Markierfeld::Markierfeld(const QString& text, QWidget* eltern) : QLineEdit(text, eltern) {}

void Markierfeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    selectAll();
    perKlickErhalten = ereignis->reason() == Qt::MouseFocusReason;
}

void Markierfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    QLineEdit::mouseReleaseEvent(ereignis);
    if (perKlickErhalten) {
        perKlickErhalten = false;
        selectAll();
    }
}

} // namespace velmora
