#include "window/uebergabedatei.h"

#include "files/uebergabe.h"
#include "platform/plattform.h"
#include "window/einstellungsdatei.h"
#include "window/frmzg.h"

namespace velmora {

void uebergabeUebernehmen(frmzg& fenster, Plattform& plattform) {
    const QString ordner = plattform.datenordner();
    if (ordner.isEmpty()) {
        return;
    }
    const QString pfad = ordner + QStringLiteral("/übergabe.ini");
    if (!plattform.dateiVorhanden(pfad, Dateiart::Eigen)) {
        return;
    }
    QString fehler;
    const std::optional<QByteArray> inhalt =
        plattform.dateiLesen(pfad, Dateiart::Eigen, hoechsteDateigroesse, &fehler);
    if (!inhalt) {
        plattform.protokoll(
            QStringLiteral(
                "Die Übergabedatei „%1“ konnte nicht gelesen werden; sie bleibt liegen. %2")
                .arg(pfad, fehler));
        return;
    }
    const auto texte = uebergabeLesen(std::string_view(inhalt->constData(), inhalt->size()));
    for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
        if (texte[i]) {
            fenster.textSetzen(i, QString::fromStdString(*texte[i]));
        }
    }
    if (!plattform.dateiLoeschen(pfad, &fehler)) {
        plattform.protokoll(QStringLiteral("Die Übergabedatei „%1“ konnte nicht gelöscht werden; "
                                           "der nächste Start übernimmt sie noch einmal. %2")
                                .arg(pfad, fehler));
    }
    fenster.vorschau();
}

} // namespace velmora
