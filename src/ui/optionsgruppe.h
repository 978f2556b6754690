#pragma once

#include <QButtonGroup>

namespace velmora {

// A group of option buttons that behaves as one control, as option groups do on the desktop:
// only the chosen button is a tab stop (the first while none is chosen), so Tab and Enter land
// on the choice and Space cannot change it unnoticed; the arrow keys move the choice round the
// group (left and up back, right and down on), as a click does.
class Optionsgruppe : public QButtonGroup {
    Q_OBJECT
public:
    explicit Optionsgruppe(QObject* eltern);

    // Adds a button at the end of the group; ids count from 0 in the order of adding.
    void knopfAufnehmen(QAbstractButton* knopf);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void tabstoppSetzen();
};

} // namespace velmora
