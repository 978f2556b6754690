#include "window/zeugnisladen.h"

#include "platform/dateigrund.h"
#include "platform/plattform.h"
#include "storage/eingabedatei.h"
#include "storage/zustand.h"
#include "window/einstellungsdatei.h"

namespace velmora {

Zeugnislesung zeugnisLaden(Plattform& plattform, const QString& pfad) {
    // One byte more than allowed tells a file that is too large from one that just fits.
    QString grund;
    const std::optional<QByteArray> inhalt =
        plattform.dateiLesen(pfad, Dateiart::Dokument, hoechsteDateigroesse + 1, &grund);
    Zeugnislesung lesung;
    if (!inhalt) {
        lesung.fehler = dateimeldung(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2"),
                                     pfad, grund);
    } else if (inhalt->size() > hoechsteDateigroesse) {
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
    const QString einstellungen = einstellungspfad(plattform);
    const Eigenlesung gelesen = eigeneDateiLesen(plattform, einstellungen);
    if (gelesen.fehler) {
        lesung.datei.reset();
        lesung.fehler = dateimeldung(
            QStringLiteral("Die Einstellungen in „%1“ können nicht gelesen werden: %2"),
            einstellungen, *gelesen.fehler);
        return lesung;
    }
    if (gelesen.inhalt) {
        daten = zeugnisAusEinstellungen(einstellungenLesen(
            std::string_view(gelesen.inhalt->constData(), gelesen.inhalt->size())));
    }
    // A state file that cannot be read costs its values, as at the window's start.
    if (const auto inhalt =
            eigeneDateiLesen(plattform, eigenerPfad(plattform, zustandsdateiname)).inhalt) {
        zusatzEinsetzen(zustandLesen(*inhalt).zusatz, daten);
    }
    return lesung;
}

} // namespace velmora
