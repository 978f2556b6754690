#include "dialogaufruf.h"
#include "fakeplattform.h"
#include "frmabout.h"
#include "frmunterst.h"
#include "programmende.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace velmora {

class ProgrammendeTest : public QObject {
    Q_OBJECT

    FakePlattform plattform;

    // Runs the steps one after the other inside the program's event loop and answers whether
    // the loop ended (the program quit) right after the last step and not before it.
    static bool endetNachDemLetztenSchritt(const std::vector<std::function<void()>>& schritte) {
        // Whatever is still pending when the loop ends dies with this object.
        QObject lauf;
        std::size_t gelaufen = 0;
        std::function<void()> naechster = [&] {
            schritte[gelaufen++]();
            if (gelaufen < schritte.size()) {
                QTimer::singleShot(0, &lauf, naechster);
            }
        };
        QTimer::singleShot(0, &lauf, naechster);
        // A program that never quits would hang the test; this ends the loop with a failure.
        QTimer::singleShot(5000, &lauf, [] { QCoreApplication::exit(1); });
        return QCoreApplication::exec() == 0 && gelaufen == schritte.size();
    }

    static std::function<void()> schliessen(const QPointer<QWidget>& fenster) {
        return [fenster] {
            QVERIFY(fenster && fenster->isVisible());
            fenster->close();
        };
    }

private slots:
    void initTestCase() { endeMitDemLetztenFenster(*qApp); }

    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void endetMitDemHauptfenster() {
        QWidget hauptfenster;
        hauptfenster.show();
        QVERIFY(endetNachDemLetztenSchritt({schliessen(&hauptfenster)}));
    }

    void offeneDialogeBleibenNachDemHauptfensterOffen_data() {
        QTest::addColumn<std::function<QWidget*(Plattform&)>>("zeigen");
        QTest::newRow("Info") << std::function<QWidget*(Plattform&)>(
            [](Plattform& p) -> QWidget* { return zeigeInfo(p); });
        QTest::newRow("Unterstuetzen") << std::function<QWidget*(Plattform&)>(
            [](Plattform&) -> QWidget* { return zeigeUnterstuetzung(); });
    }

    void offeneDialogeBleibenNachDemHauptfensterOffen() {
        QFETCH(std::function<QWidget*(Plattform&)>, zeigen);
        auto* hauptfenster = new QWidget;
        hauptfenster->setAttribute(Qt::WA_DeleteOnClose);
        hauptfenster->show();
        const QPointer<QWidget> dialog = zeigen(plattform);
        QVERIFY(endetNachDemLetztenSchritt({schliessen(hauptfenster), schliessen(dialog)}));
    }

    void endetErstMitDemLetztenVonZweiDialogen() {
        QWidget hauptfenster;
        hauptfenster.show();
        const QPointer<QWidget> info = zeigeInfo(plattform);
        const QPointer<QWidget> unterstuetzen = zeigeUnterstuetzung();
        QVERIFY(endetNachDemLetztenSchritt(
            {schliessen(&hauptfenster), schliessen(unterstuetzen), schliessen(info)}));
    }

    void einDialogVorDemHauptfensterGeschlossenHaeltNichtsAuf() {
        QWidget hauptfenster;
        hauptfenster.show();
        const QPointer<QWidget> unterstuetzen = zeigeUnterstuetzung();
        QVERIFY(endetNachDemLetztenSchritt({schliessen(unterstuetzen), schliessen(&hauptfenster)}));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ProgrammendeTest)
#include "programmende_test.moc"
