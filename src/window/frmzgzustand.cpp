// What the start restores beyond the settings file: the window's state from zustand.json and,
// after an end without a clean close, the entries kept in wiederherstellung.json.
#include "platform/plattform.h"
#include "storage/wiederherstellung.h"
#include "storage/zustand.h"
#include "window/frmzg.h"
#include "window/zeugnisladen.h"

namespace velmora {

void frmzg::zustandLaden() {
    const QString pfad = eigenerPfad(plattform, zustandsdateiname);
    const std::optional<QByteArray> inhalt =
        lesenOderMelden(pfad, QStringLiteral("Der Fensterzustand"));
    if (!inhalt) {
        return;
    }
    const Zustand zustand = zustandLesen(*inhalt);
    const Zeugnisdaten jetzt = daten();
    Zeugnisdaten gelesen = jetzt;
    zusatzEinsetzen(zustand.zusatz, gelesen);
    gelesen.eigeneTexte = zustand.eigeneTexte;
    gelesen.bausteinIds = zustand.bausteinIds;
    if (gelesen != jetzt) {
        datenSetzen(gelesen);
    }
    if (zustand.obererReiter) {
        reiterSetzen(obereLeiste, *zustand.obererReiter);
    }
    sitzung.zuletztGeoeffnet = zustand.zuletztGeoeffnet;
    sitzung.uebergabe = zustand.uebergabe;
    sitzung.vorlieben = zustand.vorlieben;
    sitzung.analysegroesse = zustand.analysefenster;
    zuletztGeoeffnetAnzeigen();
    if (zustand.offeneDatei.isEmpty()) {
        return;
    }
    // The window holds what the file held at the last close; the file is read again for what
    // it holds beyond the window.
    const Zeugnislesung lesung = zeugnisLaden(plattform, zustand.offeneDatei);
    if (lesung.datei && !lesung.einstellungsdatei) {
        dateiSetzen(zustand.offeneDatei, lesung.datei->gelesen, daten());
    } else {
        hinweisZeigen(QStringLiteral("Die zuletzt bearbeitete Datei „%1“ lässt sich nicht mehr "
                                     "öffnen; ihre Angaben stehen ohne Dateinamen im Fenster.")
                          .arg(zustand.offeneDatei));
    }
}

void frmzg::wiederherstellen() {
    const QString pfad = eigenerPfad(plattform, wiederherstellungsdateiname);
    const std::optional<QByteArray> inhalt =
        lesenOderMelden(pfad, QStringLiteral("Die Wiederherstellungsdatei"));
    if (!inhalt) {
        return;
    }
    const std::optional<Wiederherstellung> stand = wiederherstellungLesen(*inhalt);
    if (!stand) {
        hinweisZeigen(QStringLiteral("Die Wiederherstellungsdatei „%1“ ist beschädigt; die "
                                     "letzten Eingaben ließen sich daraus nicht wiederherstellen.")
                          .arg(pfad));
        return;
    }
    datenSetzen(stand->zeugnis.daten);
    reiterSetzen(untereLeiste, stand->reiter[untereLeiste]);
    reiterSetzen(obereLeiste, stand->reiter[obereLeiste]);
    dateiSetzen(stand->offeneDatei, stand->zeugnis.gelesen,
                stand->geaendert ? std::nullopt : std::optional(daten()));
    QString text = QStringLiteral("Velmora hat Ihre letzten Eingaben wiederhergestellt; sie waren "
                                  "beim letzten Beenden nicht gespeichert worden.");
    if (ungespeichert()) {
        text += QStringLiteral(" Die Änderungen an „%1“ sind noch nicht in der Datei gespeichert.")
                    .arg(sitzung.offeneDatei);
    }
    hinweisZeigen(text);
}

void frmzg::sicherungBeginnen() {
    sitzung.sichern = true;
}

} // namespace velmora
