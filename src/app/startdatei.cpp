#include "app/startdatei.h"

#include "app/befehlszeile.h"
#include "window/frmzg.h"

#include <QDir>

namespace velmora {

void weitererStart(frmzg& fenster, const QStringList& argumente, const QString& arbeitsordner) {
    const Aufruf aufruf = aufrufLesen(argumente);
    const std::optional<QString> datei =
        aufruf.datei ? std::optional(QDir(arbeitsordner).absoluteFilePath(*aufruf.datei))
                     : std::nullopt;
    if (aufruf.art == Aufruf::Art::Analysefenster) {
        fenster.analysieren(datei);
    } else if (aufruf.art == Aufruf::Art::Fenster && datei) {
        fenster.zeugnisOeffnen(*datei);
    }
}

} // namespace velmora
