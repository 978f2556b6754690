#pragma once

#include "compose/zeugnisdaten.h"
#include "window/angabenseite.h"

#include <QList>

class QPlainTextEdit;

namespace velmora {

class Absatzfeld;
class Markierfeld;

// The tab of the tasks: the department named in the tasks sentence, the tasks one per line and
// a paragraph of achievements.
class Aufgabenfelder : public Angabenseite {
    Q_OBJECT
public:
    Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern);

    Aufgaben aufgaben() const;
    void setzen(const Aufgaben& aufgaben);
    QList<QWidget*> fokusreihe() const;
    // The tasks box takes Enter as a new line, where every other box moves on.
    bool nimmtZeilen(const QObject* steuerelement) const;

private:
    Markierfeld* txtBereich;
    QPlainTextEdit* txtAufgaben;
    Absatzfeld* txtErfolge;
};

} // namespace velmora
