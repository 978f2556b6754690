#pragma once

#include "compose/zeugnisdaten.h"
#include "window/angabenseite.h"
#include "window/lesart.h"

#include <QList>

class QLabel;
class QPlainTextEdit;

namespace velmora {

class Absatzfeld;
class Markierfeld;

// The tab of the tasks: the department named in the tasks sentence, the tasks one per line and
// a paragraph of achievements. While one of them has the focus, below them stands how the
// analysis reads it, or the one last typed into, as the user types.
class Aufgabenfelder : public Angabenseite {
    Q_OBJECT
public:
    Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern);

    Aufgaben aufgaben() const;
    void setzen(const Aufgaben& aufgaben);
    QList<QWidget*> fokusreihe() const;
    // The tasks box takes Enter as a new line, where every other box moves on.
    bool nimmtZeilen(const QObject* steuerelement) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void lesen(const QWidget* feld);
    void anzeigen();

    Markierfeld* txtBereich;
    QPlainTextEdit* txtAufgaben;
    Absatzfeld* txtErfolge;
    QLabel* lblLesart;
    // The box read below; none after the boxes were filled anew.
    const QWidget* gelesen = nullptr;
    bool fuellend = false;
    Zeilenlesart aufgabenlesart;
};

} // namespace velmora
