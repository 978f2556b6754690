#include "ui/markierfeld.h"

#include "ui/zeilenumbruch.h"

#include <QFocusEvent>

namespace velmora {

Markierfeld::Markierfeld(const QString& text, QWidget* eltern) : QLineEdit(text, eltern) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& neu) {
        const QString einzeilig = zeilenumbruecheAlsBlanks(neu);
        if (einzeilig != neu) {
            // CR LF shrinks to one blank: the cursor moves back by what was taken out before it.
            const int vorDemCursor =
                static_cast<int>(zeilenumbruecheAlsBlanks(neu.left(cursorPosition())).size());
            setText(einzeilig);
            setCursorPosition(vorDemCursor);
        }
    });
}

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
