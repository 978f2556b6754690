#include "programmstart.h"

#include "einstellungsdatei.h"
#include "frmzg.h"
#include "kontakt.h"
#include "plattform.h"
#include "uebergabedatei.h"

namespace velmora {

void programmstart(frmzg& fenster, Plattform& plattform) {
    if (!plattform.oeffnen(QString::fromUtf8(kontakt::herausgeberWebseite))) {
        plattform.meldung(nullptr, QStringLiteral("Achtung"), QStringLiteral("Fehler!"),
                          Meldungssymbol::Ausruf);
    }
    einstellungenLaden(fenster, plattform);
    uebergabeUebernehmen(fenster, plattform);
    fenster.show();
}

} // namespace velmora
