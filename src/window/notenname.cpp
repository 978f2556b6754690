#include "window/notenname.h"

#include "compose/bewertungsbereich.h"

namespace velmora {

QString notenname(int bereich, int note, Zeugnisart art) {
    const Bewertungsbereich& b = bewertungsbereich(bereich);
    if (note < 1) {
        return QStringLiteral("ohne Note");
    }
    return b.istBeendigungsgrund() ? QString::fromUtf8(b.knopf(note - 1, art))
                                   : QStringLiteral("Note %1").arg(note);
}

} // namespace velmora
