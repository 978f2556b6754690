#include "app/programmende.h"
#include "app/programmstart.h"
#include "platform/einzelinstanz.h"
#include "platform/qtplattform.h"
#include "platform/signalwaechter.h"
#include "ui/programmsymbol.h"
#include "window/frmzg.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));

    velmora::QtPlattform plattform;
    // A second start on the same data folder hands its command line to the first and ends.
    velmora::Einzelinstanz instanz(plattform.datenordner());
    const auto anmeldung = instanz.anmelden(QApplication::arguments().mid(1));
    switch (anmeldung.art) {
    case velmora::Einzelinstanz::Anmeldung::Art::Erste:
        break;
    case velmora::Einzelinstanz::Anmeldung::Art::Ungeschuetzt:
        plattform.protokoll(anmeldung.grund);
        break;
    case velmora::Einzelinstanz::Anmeldung::Art::Weitergereicht:
        return 0;
    case velmora::Einzelinstanz::Anmeldung::Art::KeineAntwort:
        plattform.meldung(nullptr, QStringLiteral("Velmora"), anmeldung.grund,
                          velmora::Meldungssymbol::Ausruf);
        return 1;
    }

    velmora::endeMitDemLetztenFenster(anwendung);
    anwendung.setWindowIcon(velmora::programmsymbol());
    velmora::frmzg fenster(plattform);
    QObject::connect(&instanz, &velmora::Einzelinstanz::weitererStart, &fenster, [&fenster] {
        fenster.setWindowState(fenster.windowState() & ~Qt::WindowMinimized);
        fenster.show();
        fenster.raise();
        fenster.activateWindow();
    });
    velmora::programmstart(fenster, plattform);
    // Only now: an end asked for while the start still restores the window would save the
    // window's empty design state over the user's entries.
    velmora::Signalwaechter waechter;
    QObject::connect(&waechter, &velmora::Signalwaechter::endeVerlangt, &fenster,
                     &velmora::frmzg::sofortBeenden);
    return anwendung.exec();
}
