// The soak: a child process makes random edits in the real window and is killed with SIGKILL
// at a random point; the next start holds the state after the last edit it finished (or the
// one it was finishing), as a second window following the same edits shows it.
#include "support/testfenster.h"
#include "support/zufallsbearbeitung.h"
#include "support/zufallszeugnis.h"

#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <thread>

using namespace velmora;

class DauerlaufTest : public QObject {
    Q_OBJECT

    static constexpr int bearbeitungen = 200;

    struct Stand {
        Zeugnisdaten daten;
        std::array<int, 2> reiter;
    };
    static Stand standVon(const frmzg& fenster) {
        return {fenster.daten(), {fenster.reiter(untereLeiste), fenster.reiter(obereLeiste)}};
    }

private slots:
    void AbsturzNachZufaelligenBearbeitungen_data() {
        QTest::addColumn<unsigned>("startwert");
        for (const unsigned startwert : {7u, 1234u, 4711u, 31337u, 99991u}) {
            QTest::addRow("%u", startwert) << startwert;
        }
    }

    void AbsturzNachZufaelligenBearbeitungen() {
        QFETCH(unsigned, startwert);
        // Each state after an edit, from a window that follows the same edits.
        std::vector<Stand> staende;
        {
            test::Testfenster folgend;
            folgend.zeigen();
            std::mt19937 zufall(startwert);
            for (int i = 0; i < bearbeitungen; ++i) {
                test::zufaelligBearbeiten(*folgend.fenster, zufall);
                staende.push_back(standVon(*folgend.fenster));
            }
        }

        QTemporaryDir ordner;
        QProcess kind;
        kind.setProgram(VELMORA_DAUERLAUFKIND);
        kind.setArguments(
            {ordner.path(), QString::number(startwert), QString::number(bearbeitungen)});
        kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kind.start();
        QVERIFY(kind.waitForStarted());
        std::mt19937 zufall(startwert);
        const int toetenNach = int(zufall() % bearbeitungen);
        int fertig = -1;
        while (fertig < toetenNach && kind.waitForReadyRead(20000)) {
            while (kind.canReadLine()) {
                fertig = kind.readLine().trimmed().toInt();
            }
        }
        QCOMPARE_GE(fertig, toetenNach);
        std::this_thread::sleep_for(std::chrono::microseconds(zufall() % 3000));
        kind.kill();
        QVERIFY(kind.waitForFinished());
        while (kind.canReadLine()) {
            fertig = kind.readLine().trimmed().toInt();
        }

        test::Testfenster naechster;
        naechster.plattform->datenordnerPfad = ordner.path();
        naechster.starten();
        const Stand jetzt = standVon(*naechster.fenster);
        const auto gleich = [&](int i) {
            return i < bearbeitungen &&
                   test::felder(jetzt.daten) == test::felder(staende[i].daten) &&
                   jetzt.reiter == staende[i].reiter;
        };
        QVERIFY2(gleich(fertig) || gleich(fertig + 1),
                 qPrintable(QString("nach Bearbeitung %1 getötet").arg(fertig)));
    }
};

QTEST_MAIN(DauerlaufTest)
#include "dauerlauf_test.moc"
