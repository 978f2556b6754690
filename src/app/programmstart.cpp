#include "app/programmstart.h"

#include "app/startdatei.h"
#include "dialogs/kontakt.h"
#include "platform/plattform.h"
#include "window/einstellungsdatei.h"
#include "window/frmzg.h"
#include "window/uebergabedatei.h"

namespace velmora {

void programmstart(frmzg& fenster, Plattform& plattform, const std::optional<QString>& datei) {
    if (!plattform.oeffnen(QString::fromUtf8(kontakt::herausgeberWebseite))) {
        plattform.meldung(nullptr, QStringLiteral("Achtung"), QStringLiteral("Fehler!"),
                          Meldungssymbol::Ausruf);
    }
    einstellungenLaden(fenster, plattform);
    uebergabeUebernehmen(fenster, plattform);
    if (datei) {
        startdateiOeffnen(fenster, plattform, *datei);
    }
    fenster.show();
}

} // namespace velmora
