#include "window/angabenseite.h"

#include "ui/fokuswechsel.h"
#include "ui/reiterfeld.h"
#include "window/fensterlayout.h"

#include <QFocusEvent>
#include <QLabel>

namespace velmora {

Angabenseite::Angabenseite(Reiterfeld& leiste, int seite, QObject* eltern)
    : QObject(eltern), leiste(leiste), seite(seite) {}

void Angabenseite::platzieren(QWidget* steuerelement, const Twips& lage) const {
    leiste.platzieren(seite, steuerelement, twipsRechteck(fensterlayout::aufObererSeite(lage)));
}

void Angabenseite::beschriftungSetzen(const QString& text, QWidget* fuer, const Twips& lage) const {
    auto* label = new QLabel(text);
    label->setBuddy(fuer);
    platzieren(label, lage);
}

void Angabenseite::beobachten(QWidget* feld) {
    feld->installEventFilter(this);
}

bool Angabenseite::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut &&
        verlassenDurchBenutzer(static_cast<QFocusEvent*>(ereignis)->reason())) {
        emit verlassen();
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace velmora
