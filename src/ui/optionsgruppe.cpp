#include "ui/optionsgruppe.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

namespace velmora {

Optionsgruppe::Optionsgruppe(QObject* eltern) : QButtonGroup(eltern) {
    connect(this, &QButtonGroup::idToggled, this, &Optionsgruppe::tabstoppSetzen);
}

void Optionsgruppe::knopfAufnehmen(QAbstractButton* knopf) {
    addButton(knopf, static_cast<int>(buttons().size()));
    knopf->installEventFilter(this);
    tabstoppSetzen();
}

void Optionsgruppe::tabstoppSetzen() {
    const int stopp = std::max(checkedId(), 0);
    for (QAbstractButton* knopf : buttons()) {
        // A click still gives any button the focus.
        knopf->setFocusPolicy(id(knopf) == stopp ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool Optionsgruppe::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if ((taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    int schritt = 0;
    switch (taste->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        schritt = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        schritt = 1;
        break;
    default:
        return false;
    }
    const auto anzahl = static_cast<int>(buttons().size());
    QAbstractButton* ziel =
        button((id(static_cast<QAbstractButton*>(objekt)) + schritt + anzahl) % anzahl);
    ziel->setFocus(Qt::TabFocusReason);
    ziel->click();
    return true;
}

} // namespace velmora
