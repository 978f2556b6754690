#include "platform/signalwaechter.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

// The ends a desktop or a terminal asks for arrive as one Qt signal, through the event loop.
class SignalwaechterTest : public QObject {
    Q_OBJECT

private slots:
    void EndeUeberDieEreignisschleife() {
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            velmora::Signalwaechter waechter;
            QSignalSpy ende(&waechter, &velmora::Signalwaechter::endeVerlangt);
            QCOMPARE(std::raise(signal), 0);
            QCOMPARE(ende.count(), 0); // nothing runs inside the handler
            QVERIFY(ende.wait(5000));
            QTest::qWait(50);
            QCOMPARE(ende.count(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(SignalwaechterTest)
#include "signalwaechter_test.moc"
