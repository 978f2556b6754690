// Taking over the texts another program handed over in übergabe.ini.
#include "files/uebergabe.h"
#include "platform/plattform.h"
#include "window/frmzg.h"

#include <QCryptographicHash>

namespace velmora {

void frmzg::uebergabeUebernehmen() {
    const QString pfad = eigenerPfad(plattform, "übergabe.ini");
    const std::optional<QByteArray> inhalt =
        lesenOderMelden(pfad, QStringLiteral("Die Übergabedatei"));
    if (!inhalt) {
        sitzung.uebergabe.clear();
        return;
    }
    const QString kennung =
        QString::fromLatin1(QCryptographicHash::hash(*inhalt, QCryptographicHash::Sha256).toHex());
    const bool schonUebernommen = kennung == sitzung.uebergabe;
    if (!schonUebernommen) {
        const auto texte = uebergabeLesen(std::string_view(inhalt->constData(), inhalt->size()));
        for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
            if (texte[i]) {
                textSetzen(i, QString::fromStdString(*texte[i]));
            }
        }
        vorschau();
        // Only what is kept elsewhere may go: without the recovery file the handover file stays
        // for the next start, and the texts go into the settings file at the close.
        if (!sicherungSchreiben()) {
            sitzung.uebergabe = kennung;
            return;
        }
    }
    QString fehler;
    if (plattform.dateiLoeschen(pfad, &fehler)) {
        sitzung.uebergabe.clear();
        return;
    }
    // Taken over once, never again over what the user types afterwards, even after a crash.
    sitzung.uebergabe = kennung;
    if (!schonUebernommen) {
        zustandSpeichern(daten());
    }
    hinweisZeigen(QStringLiteral("Die Übergabedatei „%1“ wurde %2, lässt sich aber nicht löschen. "
                                 "Sie wird nicht noch einmal übernommen; bitte löschen Sie sie. %3")
                      .arg(pfad,
                           schonUebernommen ? QStringLiteral("schon bei einem früheren Start "
                                                             "übernommen")
                                            : QStringLiteral("übernommen"),
                           fehler));
    plattform.protokoll(
        QStringLiteral("Die Übergabedatei „%1“ lässt sich nicht löschen. %2").arg(pfad, fehler));
}

} // namespace velmora
