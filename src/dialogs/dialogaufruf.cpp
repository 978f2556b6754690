#include "dialogs/dialogaufruf.h"

#include "dialogs/frmabout.h"
#include "dialogs/frmunterst.h"
#include "platform/registrierung.h"
#include "platform/systeminfo.h"

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
