#include "window/einstellungsdatei.h"

#include "files/einstellungen.h"
#include "platform/plattform.h"
#include "window/fensterzustand.h"
#include "window/frmzg.h"

namespace velmora {

QString einstellungspfad(Plattform& plattform) {
    return eigenerPfad(plattform, "arbeitszeugnis.ini");
}

void einstellungenLaden(frmzg& fenster, Plattform& plattform) {
    const QString pfad = einstellungspfad(plattform);
    const Eigenlesung lesung = eigeneDateiLesen(plattform, pfad);
    if (lesung.fehler) {
        // Whatever stands there is left alone; what the user enters now is kept all the same,
        // in this file or else in the recovery file.
        fenster.hinweisZeigen(QStringLiteral("Die Einstellungen in „%1“ konnten nicht gelesen "
                                             "werden. %2 Das Fenster beginnt ohne die zuletzt "
                                             "gespeicherten Angaben; was Sie jetzt eingeben, "
                                             "bleibt erhalten.")
                                  .arg(pfad, *lesung.fehler));
        return;
    }
    if (!lesung.inhalt) {
        return;
    }
    const QByteArray& inhalt = *lesung.inhalt;
    Fensterempfaenger empfaenger(fenster);
    einstellungenAnwenden(einstellungenLesen(std::string_view(inhalt.constData(), inhalt.size())),
                          empfaenger);
}

std::optional<QString> einstellungenSpeichern(const frmzg& fenster, Plattform& plattform) {
    const QString pfad = einstellungspfad(plattform);
    if (pfad.isEmpty()) {
        return QStringLiteral("Es gibt keinen Ordner, in den das Programm schreiben kann.");
    }
    const std::string datei = einstellungenSchreiben(fensterzustand(fenster));
    QString fehler;
    if (!plattform.dateiErsetzen(pfad, Dateiart::Eigen,
                                 QByteArray(datei.data(), qsizetype(datei.size())), &fehler)) {
        return QStringLiteral("„%1“: %2").arg(pfad, fehler);
    }
    return std::nullopt;
}

} // namespace velmora
