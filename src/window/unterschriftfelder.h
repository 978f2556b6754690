#pragma once

#include "compose/zeugnisdaten.h"

#include <QList>
#include <QObject>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace velmora {

class Markierfeld;
class Optionsgruppe;
class Reiterfeld;

// The tab of the signature: who signs, in which function and with which authority, whether
// the opening sentence names the date and place of birth, and the kind of reference.
class Unterschriftfelder : public QObject {
    Q_OBJECT
public:
    Unterschriftfelder(Reiterfeld& leiste, int seite, QObject* eltern);

    Unterzeichner unterzeichner() const;
    void unterzeichnerSetzen(const Unterzeichner& unterzeichner);
    bool geburtsangaben() const;
    void geburtsangabenSetzen(bool nennen);
    Zeugnisart art() const;
    // Chooses the kind as a click does.
    void artSetzen(Zeugnisart art);
    QList<QWidget*> fokusreihe() const;

signals:
    // A box was left, the authority, the birth data or the kind chosen.
    void verlassen();
    void artGewaehlt(Zeugnisart art);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Markierfeld* txtUnterzeichner;
    Markierfeld* txtFunktion;
    QComboBox* cmbVollmacht;
    QCheckBox* chkGeburtsangaben;
    Optionsgruppe* optArt;
};

} // namespace velmora
