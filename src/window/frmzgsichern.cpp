// Saving the main window's entries when it closes, and keeping them in the recovery file
// while it runs.
#include "analysefenster/analysefenster.h"
#include "platform/plattform.h"
#include "storage/wiederherstellung.h"
#include "storage/zustand.h"
#include "window/einstellungsdatei.h"
#include "window/frmzg.h"

#include <QCoreApplication>

namespace velmora {

namespace {

const QString keinOrdner =
    QStringLiteral("Es gibt keinen Ordner, in den das Programm schreiben kann.");

} // namespace

std::optional<QByteArray> frmzg::lesenOderMelden(const QString& pfad, const QString& was) {
    const Eigenlesung lesung = eigeneDateiLesen(plattform, pfad);
    if (lesung.fehler) {
        hinweisZeigen(QStringLiteral("%1 „%2“ konnte nicht gelesen werden. %3")
                          .arg(was, pfad, *lesung.fehler));
    }
    return lesung.inhalt;
}

bool frmzg::sicherungSchreiben() {
    return sicherungSchreiben(daten());
}

bool frmzg::sicherungSchreiben(const Zeugnisdaten& jetzt) {
    if (!sitzung.sichern) {
        return false;
    }
    const QString pfad = eigenerPfad(plattform, wiederherstellungsdateiname);
    Wiederherstellung stand;
    stand.zeugnis = {jetzt, sitzung.gelesen};
    stand.reiter = {reiter(untereLeiste), reiter(obereLeiste)};
    stand.offeneDatei = sitzung.offeneDatei;
    stand.geaendert = ungespeichert(jetzt);
    const QByteArray inhalt = wiederherstellungSchreiben(stand);
    // A box left without a change would only sync the same bytes to the disk again.
    if (inhalt == sitzung.gesichert) {
        return true;
    }
    sitzung.gesichert.reset();
    QString fehler = keinOrdner;
    if (!pfad.isEmpty() && plattform.dateiErsetzen(pfad, Dateiart::Eigen, inhalt, &fehler)) {
        sitzung.sicherungsfehler.clear();
        sitzung.gesichert = inhalt;
        return true;
    }
    // Once per reason: the next change would only say it again.
    if (fehler != sitzung.sicherungsfehler) {
        sitzung.sicherungsfehler = fehler;
        hinweisZeigen(QStringLiteral("Ihre Eingaben können nicht laufend in „%1“ gesichert werden; "
                                     "bei einem Absturz gingen sie verloren. %2")
                          .arg(pfad, fehler));
    }
    return false;
}

std::optional<QString> frmzg::zustandSpeichern(const Zeugnisdaten& jetzt) {
    const QString pfad = eigenerPfad(plattform, zustandsdateiname);
    if (pfad.isEmpty()) {
        return keinOrdner;
    }
    Zustand zustand;
    zustand.zusatz = zusatzVon(jetzt);
    zustand.eigeneTexte = jetzt.eigeneTexte;
    zustand.bausteinIds = jetzt.bausteinIds;
    // Changes the user did not save to the open file leave the window without it.
    zustand.offeneDatei = ungespeichert(jetzt) ? QString() : sitzung.offeneDatei;
    zustand.zuletztGeoeffnet = sitzung.zuletztGeoeffnet;
    // The settings file keeps the tabs it knows, this file the ones beyond.
    if (reiter(obereLeiste) >= reiterJeLeiste[obereLeiste]) {
        zustand.obererReiter = reiter(obereLeiste);
    }
    zustand.uebergabe = sitzung.uebergabe;
    zustand.vorlieben = sitzung.vorlieben;
    zustand.analysefenster = analysefenster ? analysefenster->size() : sitzung.analysegroesse;
    QString fehler;
    if (!plattform.dateiErsetzen(pfad, Dateiart::Eigen, zustandSchreiben(zustand), &fehler)) {
        return QStringLiteral("„%1“: %2").arg(pfad, fehler);
    }
    return std::nullopt;
}

QStringList frmzg::alleSpeichern(const Zeugnisdaten& jetzt) {
    QStringList fehler;
    for (const std::optional<QString>& grund :
         {einstellungenSpeichern(*this, plattform), zustandSpeichern(jetzt)}) {
        if (grund) {
            fehler.append(*grund);
        }
    }
    return fehler;
}

// Saved as a whole, the recovery file goes; what could not be saved stays in it for the next
// start, and so do unsaved changes to the open file when the user was not asked about them.
bool frmzg::sitzungAbschliessen(const QStringList& fehler, bool ungefragt,
                                const Zeugnisdaten& jetzt) {
    if (!fehler.isEmpty() || (ungefragt && ungespeichert(jetzt))) {
        return sicherungSchreiben(jetzt);
    }
    QString grund;
    sitzung.gesichert.reset();
    if (sitzung.sichern &&
        !plattform.dateiLoeschen(eigenerPfad(plattform, wiederherstellungsdateiname), &grund)) {
        plattform.protokoll(QStringLiteral("Die Wiederherstellungsdatei konnte nicht gelöscht "
                                           "werden: %1")
                                .arg(grund));
    }
    return true;
}

// A failed save keeps the window open once, so that the user can copy the reference or free
// the folder and close again; a second failure in a row closes the window, having said so.
bool frmzg::einstellungenSichern() {
    const Zeugnisdaten jetzt = daten();
    const QStringList fehler = alleSpeichern(jetzt);
    if (sitzungAbschliessen(fehler, false, jetzt)) {
        for (const QString& grund : fehler) {
            plattform.protokoll(QStringLiteral("Nicht gespeichert in %1; die Angaben stehen in der "
                                               "Wiederherstellungsdatei.")
                                    .arg(grund));
        }
        sichernGescheitert = false;
        return true;
    }
    const QString folge =
        sichernGescheitert
            ? QStringLiteral("Das Fenster wird ohne Speichern geschlossen; die Angaben dieses "
                             "Zeugnisses sind beim nächsten Start nicht mehr da.")
            : QStringLiteral("Das Fenster bleibt offen, damit nichts verloren geht: Sie können "
                             "das Zeugnis noch kopieren oder erstellen. Beim nächsten Schließen "
                             "wird wieder gespeichert; gelingt es dann auch nicht, schließt das "
                             "Fenster ohne Speichern.");
    plattform.meldung(this, QStringLiteral("Velmora"),
                      QStringLiteral("Die Angaben konnten nicht gespeichert werden.\n%1\n\n%2")
                          .arg(fehler.join(QLatin1Char('\n')), folge),
                      Meldungssymbol::Ausruf);
    const bool schliessen = sichernGescheitert;
    sichernGescheitert = true;
    return schliessen;
}

// Nobody is there to answer a question at a logout, so a failed save goes to standard error.
// exit() ends the event loop without closing the window, which would save a second time.
void frmzg::sofortBeenden() {
    const Zeugnisdaten jetzt = daten();
    const QStringList fehler = alleSpeichern(jetzt);
    const bool gesichert = sitzungAbschliessen(fehler, true, jetzt);
    for (const QString& grund : fehler) {
        plattform.protokoll(
            QStringLiteral("Die Angaben konnten beim Beenden nicht gespeichert werden: %1%2")
                .arg(grund, gesichert ? QStringLiteral(" (sie stehen in der "
                                                       "Wiederherstellungsdatei)")
                                      : QString()));
    }
    QCoreApplication::exit(0);
}

} // namespace velmora
