#include "ui/markierfeld.h"

#include "files/textzeilen.h"
#include "ui/zeilenumbruch.h"

#include <QFocusEvent>

#include <limits>

namespace velmora {

Markierfeld::Markierfeld(const QString& text, QWidget* eltern) : QLineEdit(text, eltern) {
    // Qt's own limit would cut a paste without a word; the box keeps its length itself.
    setMaxLength(std::numeric_limits<int>::max());
    // The user's edits come first, before the box reports its new text to anyone else.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& neu) {
        const QString einzeilig = zeilenumbruecheAlsBlanks(neu);
        const QString gefasst = einzeilig.left(feldlaenge);
        if (gefasst != neu) {
            // CR LF shrinks to one blank: the cursor moves back by what was taken out before it.
            const auto vorDemCursor = zeilenumbruecheAlsBlanks(neu.left(cursorPosition())).size();
            setText(gefasst);
            setCursorPosition(static_cast<int>(std::min<qsizetype>(vorDemCursor, feldlaenge)));
        }
        if (gefasst.size() < einzeilig.size()) {
            emit gekuerzt();
        }
    });
    // A text set by the program is cut as Qt's own limit would cut it.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (this->text().size() > feldlaenge) {
            setText(this->text().left(feldlaenge));
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
