// The reference as a document: written beside the user's other documents, then opened in the
// word processor the desktop has for it.
#include "platform/plattform.h"
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
    geschriebenesOeffnen(QString::fromStdString(*ablage.pfad));
}

void frmzg::geschriebenesOeffnen(const QString& pfad) {
    plattform.dokumentOeffnen(pfad, this, [this, pfad](bool geoeffnet) {
        if (!geoeffnet) {
            plattform.protokoll(QStringLiteral("Kein Programm hat „%1“ geöffnet.").arg(pfad));
        }
    });
}

Zeugnisausgabe frmzg::ausgabe() {
    return zeugnisausgabe(plattform, daten(), angezeigteVorschautexte());
}

} // namespace velmora
