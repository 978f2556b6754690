#include "platform/einzelinstanz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using velmora::Einzelinstanz;
using Art = Einzelinstanz::Anmeldung::Art;

// One program per data folder: a later start hands over its command line, a lock left by a
// killed program frees the folder, and a foreign entry in the lock's place stops the start.
class EinzelinstanzTest : public QObject {
    Q_OBJECT

    QTemporaryDir laufzeit;
    QTemporaryDir daten;

    // A first instance in its own process, ready once it said so.
    bool halterStarten(QProcess& halter) {
        halter.start(QCoreApplication::applicationDirPath() + "/velmora_instanzhalter",
                     {daten.path()});
        return halter.waitForReadyRead(5000) && halter.readLine() == "bereit\n";
    }

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit.path())); }

    // In one process, so that the folder can be named in several ways.
    void spaeterStartReichtWeiter_data() {
        QTest::addColumn<QString>("zweiterOrdner");
        QTest::addColumn<bool>("weitergereicht");
        QTest::newRow("derselbe Ordner") << "" << true;
        QTest::newRow("anders geschrieben") << "/./" << true;
        QTest::newRow("über eine Verknüpfung") << "verknuepft" << true;
        QTest::newRow("anderer Ordner") << "anderer" << false;
    }
    void spaeterStartReichtWeiter() {
        QFETCH(QString, zweiterOrdner);
        QFETCH(bool, weitergereicht);
        QTemporaryDir wurzel;
        const QString ordner = wurzel.filePath("daten");
        QVERIFY(QDir().mkdir(ordner));
        QVERIFY(QFile::link(ordner, wurzel.filePath("verknuepft")));
        QVERIFY(QDir().mkdir(wurzel.filePath("anderer")));
        const QString zweiter = zweiterOrdner.startsWith('/') ? ordner + zweiterOrdner
                                : zweiterOrdner.isEmpty()     ? ordner
                                                              : wurzel.filePath(zweiterOrdner);

        Einzelinstanz erste(ordner);
        QCOMPARE(erste.anmelden({}).art, Art::Erste);
        QSignalSpy start(&erste, &Einzelinstanz::weitererStart);
        Einzelinstanz spaetere(zweiter);
        QCOMPARE(spaetere.anmelden({"Müller.zeugnis"}).art,
                 weitergereicht ? Art::Weitergereicht : Art::Erste);
        QCOMPARE(start.count(), weitergereicht ? 1 : 0);
        if (weitergereicht) {
            QCOMPARE(start[0][0].toStringList(), QStringList{"Müller.zeugnis"});
            QCOMPARE(start[0][1].toString(), QDir::currentPath());
        }
    }

    // Across processes: handed over while the first runs; after a SIGKILL its lock is stale.
    void andererProzessUndVerwaisteSperre() {
        QProcess halter;
        QVERIFY(halterStarten(halter));
        Einzelinstanz spaetere(daten.path());
        QCOMPARE(spaetere.anmelden({"a", "b c"}).art, Art::Weitergereicht);
        QTRY_VERIFY(halter.canReadLine());
        QCOMPARE(halter.readLine(), "a|b c\n");

        halter.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(halter.waitForFinished(5000));
        QVERIFY(QFile::exists(daten.filePath(".velmora.lock")));
        Einzelinstanz naechste(daten.path());
        QCOMPARE(naechste.anmelden({}).art, Art::Erste);
    }

    void fremderEintragStattSperre_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("Verknüpfung") << "Verknüpfung";
    }
    void fremderEintragStattSperre() {
        QFETCH(QString, eintrag);
        QTemporaryDir ordner;
        const QString sperre = ordner.filePath(".velmora.lock");
        QVERIFY(eintrag == "FIFO" ? ::mkfifo(QFile::encodeName(sperre).constData(), 0600) == 0
                                  : QFile::link(ordner.filePath("woanders"), sperre));
        Einzelinstanz instanz(ordner.path());
        const auto anmeldung = instanz.anmelden({});
        QCOMPARE(anmeldung.art, Art::Gescheitert);
        QVERIFY(anmeldung.grund.contains(sperre));
    }
};

QTEST_GUILESS_MAIN(EinzelinstanzTest)
#include "einzelinstanz_test.moc"
