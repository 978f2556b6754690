// The reference as a document: written beside the user's other documents, then opened in the
// word processor the desktop has for it.
#include "output/ablage.h"
#include "platform/plattform.h"
#include "storage/zeugnisvorlage.h"
#include "window/frmzg.h"

namespace velmora {

void frmzg::zeugniserstellen() {
    eingabeAbschliessen();
    const Vorlagendokument dokument = zeugnisdokumentErstellen(
        daten(), angezeigteVorschautexte(), plattform.programmordner(),
        {[this](const QString& pfad) { return plattform.dateiVorhanden(pfad, Dateiart::Dokument); },
         [this](const QString& pfad, qint64 hoechstens) {
             return plattform.dateiLesen(pfad, Dateiart::Dokument, hoechstens, nullptr);
         }});
    if (!dokument.hinweis.isEmpty()) {
        plattform.protokoll(dokument.hinweis);
    }

    const QByteArray& inhalt = dokument.rtf;
    const Ablage ablage =
        zeugnisAblegen(plattform.dokumentenordner().toStdString(), [&](const std::string& p) {
            const QString pfad = QString::fromStdString(p);
            QString fehler;
            switch (plattform.dateiNeuAnlegen(pfad, Dateiart::Dokument, inhalt, &fehler)) {
            case Neuanlage::Angelegt:
                return Anlegeergebnis{Anlegeergebnis::Art::Angelegt, {}};
            case Neuanlage::Vorhanden:
                return Anlegeergebnis{Anlegeergebnis::Art::Vorhanden, {}};
            case Neuanlage::Fehler:
                break;
            }
            return Anlegeergebnis{Anlegeergebnis::Art::Fehler, fehler.toStdString()};
        });
    if (!ablage.pfad) {
        plattform.meldung(this, QStringLiteral("Velmora"), QString::fromStdString(ablage.fehler),
                          Meldungssymbol::Kritisch);
        return;
    }
    const QString pfad = QString::fromStdString(*ablage.pfad);
    plattform.dokumentOeffnen(pfad, this, [this, pfad](bool geoeffnet) {
        if (!geoeffnet) {
            plattform.protokoll(QStringLiteral("Kein Programm hat „%1“ geöffnet.").arg(pfad));
        }
    });
}

} // namespace velmora
