#pragma once

#include "ui/twips.h"
#include "window/fensterlayout.h"

#include <QObject>

class QWidget;

namespace velmora {

class Reiterfeld;

// The controls of one page of the upper strip: placed where the layout table says (given as on
// a strip of one row), labels that give their access key to their box, and one signal when a
// box of the page is left.
class Angabenseite : public QObject {
    Q_OBJECT
public:
    Angabenseite(Reiterfeld& leiste, int seite, QObject* eltern);

signals:
    // A box was left, or a choice made.
    void verlassen();

protected:
    void platzieren(QWidget* steuerelement, const Twips& lage) const;
    // A box and its label, which gives its access key to the box.
    void feldSetzen(const QString& text, QWidget* feld, const fensterlayout::Feldlage& lage) const;
    // Leaving this box counts as leaving the page's box, when the user moves on: not when a
    // context menu, a menu or another window takes the focus.
    void beobachten(QWidget* feld);
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Reiterfeld& leiste;
    const int seite;
};

} // namespace velmora
