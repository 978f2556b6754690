#include "window/angabenseite.h"

#include "ui/fokuswechsel.h"
#include "ui/reiterfeld.h"

#include <QFocusEvent>
#include <QLabel>

namespace velmora {

Angabenseite::Angabenseite(Reiterfeld& leiste, int seite, QObject* eltern)
    : QObject(eltern), leiste(leiste), seite(seite) {}

void Angabenseite::platzieren(QWidget* steuerelement, const Twips& lage) const {
    leiste.platzieren(seite, steuerelement, twipsRechteck(fensterlayout::aufObererSeite(lage)));
}

void Angabenseite::feldSetzen(const QString& text, QWidget* feld,
                              const fensterlayout::Feldlage& lage) const {
    auto* label = new QLabel(text);
    label->setBuddy(feld);
    platzieren(label, lage.beschriftung);
    platzieren(feld, lage.feld);
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
