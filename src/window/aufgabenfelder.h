#pragma once

#include "compose/zeugnisdaten.h"

#include <QList>
#include <QObject>

class QPlainTextEdit;

namespace velmora {

class Absatzfeld;
class Markierfeld;
class Reiterfeld;

// The tab of the tasks: the department named in the tasks sentence, the tasks one per line and
// a paragraph of achievements.
class Aufgabenfelder : public QObject {
    Q_OBJECT
public:
    Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern);

    Aufgaben aufgaben() const;
    void setzen(const Aufgaben& aufgaben);
    QList<QWidget*> fokusreihe() const;
    // The tasks box takes Enter as a new line, where every other box moves on.
    bool nimmtZeilen(const QObject* steuerelement) const;

signals:
    // A box was left.
    void verlassen();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Markierfeld* txtBereich;
    QPlainTextEdit* txtAufgaben;
    Absatzfeld* txtErfolge;
};

} // namespace velmora
