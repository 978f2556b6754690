#include "app/startdatei.h"

#include "app/zeugnisladen.h"
#include "compose/bewertungsbereich.h"
#include "platform/plattform.h"
#include "window/anzeigezustand.h"
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
    const Zeugnisdaten& daten = lesung.datei->daten;
    fenster.geschlechtWaehlen(daten.geschlecht);
    for (int i = 0; i < anzahlEingaben; ++i) {
        fenster.textSetzen(i, QString::fromStdString(daten.texte[i]));
    }
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        const Bereichsangaben& angaben = daten.bereich(bereich.nummer);
        for (int knopf = 0; knopf < bereich.stufen(); ++knopf) {
            fenster.knopfSetzen(bereich.nummer, knopf, knopf + 1 == angaben.note);
        }
        fenster.anzeigeSetzen(bereich.nummer, haekchen(angaben.anzeige));
    }
    fenster.vorschau();
}

} // namespace velmora
