#include "app/startdatei.h"

#include "app/befehlszeile.h"
#include "window/frmzg.h"

#include <QDir>

namespace velmora {

void weitererStart(frmzg& fenster, const QStringList& argumente, const QString& arbeitsordner) {
    const Aufruf aufruf = aufrufLesen(argumente);
    if (aufruf.art == Aufruf::Art::Fenster && aufruf.datei) {
        fenster.zeugnisOeffnen(QDir(arbeitsordner).absoluteFilePath(*aufruf.datei));
    }
}

} // namespace velmora
