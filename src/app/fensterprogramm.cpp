#include "app/fensterprogramm.h"

#include "app/analysedatei.h"
#include "app/befehlszeile.h"
#include "app/programmende.h"
#include "app/programmstart.h"
#include "app/startdatei.h"
#include "platform/einzelinstanz.h"
#include "platform/plattform.h"
#include "platform/signalwaechter.h"
#include "ui/dialogschrift.h"
#include "ui/programmsymbol.h"
#include "window/frmzg.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <functional>
#include <utility>

namespace velmora {

namespace {

// Work the first sight of the window does not need runs once the window has painted itself;
// a window that is never painted (started minimised) gets it a moment later all the same.
class NachDemErstenBild : public QObject {
public:
    NachDemErstenBild(QWidget& fenster, std::function<void()> arbeit)
        : QObject(&fenster), arbeit(std::move(arbeit)) {
        fenster.installEventFilter(this);
        QTimer::singleShot(spaetestensMs, this, &NachDemErstenBild::ausfuehren);
    }

private:
    static constexpr int spaetestensMs = 1000;

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint) {
            objekt->removeEventFilter(this);
            QTimer::singleShot(0, this, &NachDemErstenBild::ausfuehren);
        }
        return false;
    }
    void ausfuehren() {
        if (arbeit) {
            std::exchange(arbeit, {})();
        }
    }

    std::function<void()> arbeit;
};

} // namespace

int fensterprogramm(QApplication& anwendung, Plattform& plattform, const Aufruf& aufruf) {
    // A second start on the same data folder hands its command line to the first and ends.
    Einzelinstanz instanz(plattform.datenordner());
    const auto anmeldung = instanz.anmelden(QApplication::arguments().mid(1));
    switch (anmeldung.art) {
    case Einzelinstanz::Anmeldung::Art::Erste:
        break;
    case Einzelinstanz::Anmeldung::Art::Ungeschuetzt:
        plattform.protokoll(anmeldung.grund);
        break;
    case Einzelinstanz::Anmeldung::Art::Weitergereicht:
        return 0;
    case Einzelinstanz::Anmeldung::Art::KeineAntwort:
    case Einzelinstanz::Anmeldung::Art::Verstellt:
        plattform.protokoll(anmeldung.grund);
        plattform.meldung(nullptr, QStringLiteral("Velmora"), anmeldung.grund,
                          Meldungssymbol::Ausruf);
        return 1;
    }

    endeMitDemLetztenFenster(anwendung);
    // Menus and dialogs speak in the window's font family, at the desktop's size.
    QFont schrift = QApplication::font();
    schrift.setFamily(arial(schrift.pointSizeF()).family());
    QApplication::setFont(schrift);
    frmzg fenster(plattform);
    fenster.analyseleserSetzen(analyseleser(plattform));
    QObject::connect(&instanz, &Einzelinstanz::weitererStart, &fenster,
                     [&fenster](const QStringList& argumente, const QString& arbeitsordner) {
                         fenster.setWindowState(fenster.windowState() & ~Qt::WindowMinimized);
                         fenster.show();
                         fenster.raise();
                         fenster.activateWindow();
                         weitererStart(fenster, argumente, arbeitsordner);
                     });
    const bool analyse = aufruf.art == Aufruf::Art::Analysefenster;
    programmstart(fenster, plattform, analyse ? std::nullopt : aufruf.datei);
    if (analyse) {
        fenster.analysieren(aufruf.datei);
    }
    new NachDemErstenBild(fenster, [&instanz, &fenster] {
        // Every window's icon: decoding its pictures is not needed for the first one.
        QApplication::setWindowIcon(programmsymbol());
        instanz.dienstStarten();
        fenster.teamordnerAbgleichen();
    });
    // Only now: an end asked for while the start still restores the window would save the
    // window's empty design state over the user's entries.
    Signalwaechter waechter;
    QObject::connect(&waechter, &Signalwaechter::endeVerlangt, &fenster, &frmzg::sofortBeenden);
    return anwendung.exec();
}

} // namespace velmora
