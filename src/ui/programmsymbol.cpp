#include "ui/programmsymbol.h"

// The resources sit in a static library, so nothing would pull them in by itself.
static void symbolressourcenLaden() {
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

QIcon programmsymbol() {
    symbolressourcenLaden();
    QIcon symbol;
    symbol.addFile(QStringLiteral(":/velmora/velmora-16.png"), QSize(16, 16));
    symbol.addFile(QStringLiteral(":/velmora/velmora-32.png"), QSize(32, 32));
    return symbol;
}

} // namespace velmora
