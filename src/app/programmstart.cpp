#include "app/programmstart.h"

#include "dialogs/kontakt.h"
#include "platform/plattform.h"
#include "window/einstellungsdatei.h"
#include "window/frmzg.h"

namespace velmora {

void programmstart(frmzg& fenster, Plattform& plattform, const std::optional<QString>& datei) {
    if (!plattform.oeffnen(QString::fromUtf8(kontakt::herausgeberWebseite))) {
        plattform.meldung(nullptr, QStringLiteral("Achtung"), QStringLiteral("Fehler!"),
                          Meldungssymbol::Ausruf);
    }
    einstellungenLaden(fenster, plattform);
    fenster.zustandLaden();
    fenster.wiederherstellen();
    fenster.sicherungBeginnen();
    fenster.uebergabeUebernehmen();
    if (datei) {
        fenster.zeugnisOeffnen(*datei);
    }
    fenster.show();
}

} // namespace velmora
