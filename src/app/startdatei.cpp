#include "app/startdatei.h"

#include "app/zeugnisladen.h"
#include "platform/plattform.h"
#include "window/frmzg.h"

namespace velmora {

void startdateiOeffnen(frmzg& fenster, Plattform& plattform, const QString& pfad) {
    const Zeugnislesung lesung = zeugnisLaden(plattform, pfad);
    if (!lesung.datei) {
        plattform.meldung(nullptr, QStringLiteral("Velmora"), lesung.fehler,
                          Meldungssymbol::Ausruf);
        return;
    }
    if (!lesung.hinweis.isEmpty()) {
        plattform.meldung(nullptr, QStringLiteral("Velmora"), lesung.hinweis,
                          Meldungssymbol::Information);
    }
    fenster.datenSetzen(lesung.datei->daten);
}

} // namespace velmora
