#pragma once

#include "compose/zeugnisdaten.h"
#include "window/angabenseite.h"

#include <QList>

class QCheckBox;

namespace velmora {

class Markierfeld;
class Optionsgruppe;
class Vollmachtfeld;

// The tab of the signature: who signs, in which function and with which authority, whether
// the opening sentence names the date and place of birth, and the kind of reference.
class Unterschriftfelder : public Angabenseite {
    Q_OBJECT
public:
    Unterschriftfelder(Reiterfeld& leiste, int seite, QObject* eltern);

    Unterzeichner unterzeichner() const;
    void unterzeichnerSetzen(const Unterzeichner& unterzeichner);
    bool geburtsangaben() const;
    void geburtsangabenSetzen(bool nennen);
    Zeugnisart art() const;
    // Chooses the kind; a new kind is announced as after a click.
    void artSetzen(Zeugnisart art);
    QList<QWidget*> fokusreihe() const;

signals:
    // Another kind was chosen, by a click, the keys or artSetzen.
    void artGewaehlt(Zeugnisart art);

private:
    Markierfeld* txtUnterzeichner;
    Markierfeld* txtFunktion;
    Vollmachtfeld* cmbVollmacht;
    QCheckBox* chkGeburtsangaben;
    Optionsgruppe* optArt;
};

} // namespace velmora
