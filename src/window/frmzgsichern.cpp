// Saving the main window's entries when it closes.
#include "platform/plattform.h"
#include "window/einstellungsdatei.h"
#include "window/frmzg.h"

#include <QCoreApplication>

namespace velmora {

// A failed save keeps the window open once, so that the user can copy the reference or free
// the folder and close again; a second failure in a row closes the window, having said so.
bool frmzg::einstellungenSichern() {
    const std::optional<QString> fehler = einstellungenSpeichern(*this, plattform);
    if (!fehler) {
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
                          .arg(*fehler, folge),
                      Meldungssymbol::Ausruf);
    const bool schliessen = sichernGescheitert;
    sichernGescheitert = true;
    return schliessen;
}

// Nobody is there to answer a question at a logout, so a failed save goes to standard error.
// exit() ends the event loop without closing the window, which would save a second time.
void frmzg::sofortBeenden() {
    if (const std::optional<QString> fehler = einstellungenSpeichern(*this, plattform)) {
        plattform.protokoll(
            QStringLiteral("Die Angaben konnten beim Beenden nicht gespeichert werden: %1")
                .arg(*fehler));
    }
    QCoreApplication::exit(0);
}

} // namespace velmora
