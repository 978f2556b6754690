// The reference as a document: written beside the user's other documents, then opened in the
// word processor the desktop has for it.
#include "platform/plattform.h"
#include "render/briefkopf.h"
#include "render/dokumentablage.h"
#include "render/zeugnisausgabe.h"
#include "window/frmzg.h"

namespace velmora {

void frmzg::zeugniserstellen() {
    eingabeAbschliessen();
    const QByteArray inhalt = rtfAusgabe(ausgabe());
    const Ablage ablage = imDokumentenordnerAblegen(plattform, inhalt, "doc");
    if (!ablage.pfad) {
        plattform.meldung(this, QStringLiteral("Velmora"), QString::fromStdString(ablage.fehler),
                          Meldungssymbol::Kritisch);
        return;
    }
    dokumentZeigen(QString::fromStdString(*ablage.pfad));
}

void frmzg::dokumentZeigen(const QString& pfad) {
    plattform.dokumentOeffnen(pfad, this, [this, pfad](bool geoeffnet) {
        if (!geoeffnet) {
            hinweisZeigen(QStringLiteral("Das Zeugnis wurde als „%1“ gespeichert, ließ sich aber "
                                         "mit keinem Programm öffnen.")
                              .arg(pfad));
        }
    });
}

Zeugnisausgabe frmzg::ausgabe() {
    grundlage.reset();
    return vorschauausgabe();
}

Zeugnisausgabe frmzg::vorschauausgabe() {
    if (!grundlage) {
        grundlage = ausgabegrundlageLaden(plattform);
        // A logo no document can show is left out of all of them alike, and said so.
        if (!grundlage->briefkopf->logo && !firmenprofilLaden(plattform).logo.empty()) {
            hinweisZeigen(QStringLiteral("Das Logo des Firmenprofils lässt sich nicht verwenden "
                                         "und fehlt in allen Dokumenten. Bitte wählen Sie es im "
                                         "Firmenprofil neu."));
        }
    }
    return zeugnisausgabe(*grundlage, daten(), angezeigteVorschautexte());
}

} // namespace velmora
