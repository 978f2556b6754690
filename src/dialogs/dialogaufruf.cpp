#include "dialogaufruf.h"

#include "frmabout.h"
#include "frmunterst.h"
#include "registrierung.h"
#include "systeminfo.h"

#include <QPointer>

namespace velmora {

namespace {

template <class Fenster, class Erzeugen>
Fenster* einmalZeigen(QPointer<Fenster>& offen, Erzeugen erzeugen) {
    if (!offen) {
        offen = erzeugen();
        offen->setAttribute(Qt::WA_DeleteOnClose);
    }
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
}

} // namespace

frmAbout* zeigeInfo(Plattform& plattform) {
    static KeineRegistrierung registrierung;
    static QPointer<frmAbout> offen;
    return einmalZeigen(offen, [&plattform] {
        return new frmAbout(plattform, {registrierung, installiertesSysteminfoProgramm});
    });
}

frmUnterst* zeigeUnterstuetzung() {
    static QPointer<frmUnterst> offen;
    return einmalZeigen(offen, [] { return new frmUnterst; });
}

} // namespace velmora
