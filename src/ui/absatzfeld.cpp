#include "ui/absatzfeld.h"

#include "ui/zeilenumbruch.h"

#include <QKeyEvent>
#include <QMimeData>

namespace velmora {

Absatzfeld::Absatzfeld(QWidget* eltern) : QPlainTextEdit(eltern) {
    setTabChangesFocus(true);
}

void Absatzfeld::insertFromMimeData(const QMimeData* quelle) {
    if (quelle && quelle->hasText()) {
        insertPlainText(zeilenumbruecheAlsBlanks(quelle->text()));
    }
}

void Absatzfeld::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        insertPlainText(QStringLiteral(" "));
        return;
    }
    QPlainTextEdit::keyPressEvent(ereignis);
}

} // namespace velmora
