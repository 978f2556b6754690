#include "window/zeugnisladen.h"

#include "platform/plattform.h"
#include "storage/eingabedatei.h"
#include "storage/jsonleser.h"
#include "storage/zustand.h"
#include "window/einstellungsdatei.h"

namespace velmora {

Zeugnislesung zeugnisLaden(Plattform& plattform, const QString& pfad) {
    // One byte more than allowed tells a file that is too large from one that just fits.
    QString grund;
    const std::optional<QByteArray> inhalt =
        plattform.dateiLesen(pfad, Dateiart::Dokument, hoechsteJsongroesse + 1, &grund);
    Zeugnislesung lesung;
    if (!inhalt) {
        lesung.fehler =
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(pfad, grund);
    } else if (inhalt->size() > hoechsteJsongroesse) {
        lesung.fehler = QStringLiteral("Die Datei „%1“ ist zu groß für ein Zeugnis.").arg(pfad);
    } else {
        lesung = eingabedateiLesen(*inhalt, pfad);
    }
    return lesung;
}

Zeugnislesung zuletztBearbeitet(Plattform& plattform) {
    Zeugnislesung lesung;
    lesung.datei.emplace().daten = anfangsdaten();
    Zeugnisdaten& daten = lesung.datei->daten;
    const QString ordner = plattform.datenordner();
    if (ordner.isEmpty()) {
        return lesung;
    }
    const QString einstellungen = einstellungspfad(plattform);
    if (plattform.dateiVorhanden(einstellungen, Dateiart::Eigen)) {
        QString grund;
        const auto inhalt =
            plattform.dateiLesen(einstellungen, Dateiart::Eigen, hoechsteDateigroesse, &grund);
        if (!inhalt) {
            lesung.datei.reset();
            lesung.fehler =
                QStringLiteral("Die Einstellungen in „%1“ können nicht gelesen werden: %2")
                    .arg(einstellungen, grund);
            return lesung;
        }
        daten = zeugnisAusEinstellungen(
            einstellungenLesen(std::string_view(inhalt->constData(), inhalt->size())));
    }
    // A state file that cannot be read costs its values, as at the window's start.
    const QString zustand = ordner + QLatin1Char('/') + QLatin1String(zustandsdateiname);
    if (plattform.dateiVorhanden(zustand, Dateiart::Eigen)) {
        if (const auto inhalt =
                plattform.dateiLesen(zustand, Dateiart::Eigen, hoechsteJsongroesse, nullptr)) {
            zusatzEinsetzen(zustandLesen(*inhalt).zusatz, daten);
        }
    }
    return lesung;
}

} // namespace velmora
