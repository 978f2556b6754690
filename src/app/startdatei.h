#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

class frmzg;

// A later start on the same data folder handed over its command line, given in
// `arbeitsordner`: a file named there is opened in the running window, as "Öffnen" opens it,
// or analysed in its analysis window.
void weitererStart(frmzg& fenster, const QStringList& argumente, const QString& arbeitsordner);

} // namespace velmora
