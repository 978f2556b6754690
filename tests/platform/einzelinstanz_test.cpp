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

// One program per data folder: a later start hands over its command line, a killed program
// frees the folder, and a foreign entry in the lock's place is left alone.
class EinzelinstanzTest : public QObject {
    Q_OBJECT

    QTemporaryDir laufzeit;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit.path())); }

    // In one process: the same folder reached through a link meets the first instance,
    // another folder has one of its own.
    void SpaeterStartReichtWeiter() {
        QTemporaryDir wurzel;
        QVERIFY(QDir(wurzel.path()).mkpath("daten") && QDir(wurzel.path()).mkpath("anderer"));
        QVERIFY(QFile::link(wurzel.filePath("daten"), wurzel.filePath("verknuepft")));
        Einzelinstanz erste(wurzel.filePath("daten"));
        QCOMPARE(erste.anmelden({}).art, Art::Erste);
        QSignalSpy start(&erste, &Einzelinstanz::weitererStart);

        Einzelinstanz spaetere(wurzel.filePath("verknuepft"));
        QCOMPARE(spaetere.anmelden({"Müller.zeugnis"}).art, Art::Weitergereicht);
        QCOMPARE(start.count(), 1);
        QCOMPARE(start[0][0].toStringList(), QStringList{"Müller.zeugnis"});
        QCOMPARE(start[0][1].toString(), QDir::currentPath());
        Einzelinstanz andere(wurzel.filePath("anderer"));
        QCOMPARE(andere.anmelden({}).art, Art::Erste);
    }

    // Across processes: handed over while the first runs; after a SIGKILL its lock is stale.
    void AndererProzessUndVerwaisteSperre() {
        QTemporaryDir daten;
        QProcess halter;
        halter.start(QCoreApplication::applicationDirPath() + "/velmora_instanzhalter",
                     {daten.path()});
        QVERIFY(halter.waitForReadyRead(5000));
        QCOMPARE(halter.readLine(), "bereit\n");
        Einzelinstanz spaetere(daten.path());
        QCOMPARE(spaetere.anmelden({"a", "b c"}).art, Art::Weitergereicht);
        QTRY_VERIFY(halter.canReadLine());
        QCOMPARE(halter.readLine(), "a|b c\n");

        halter.kill(); // SIGKILL
        QVERIFY(halter.waitForFinished(5000));
        Einzelinstanz naechste(daten.path());
        QCOMPARE(naechste.anmelden({}).art, Art::Erste);
    }

    // A FIFO in the lock file's place is not opened, and costs the user no start.
    void FifoStattSperre() {
        QTemporaryDir ordner;
        const QString sperre = ordner.filePath(".velmora.lock");
        QCOMPARE(::mkfifo(QFile::encodeName(sperre).constData(), 0600), 0);
        Einzelinstanz instanz(ordner.path());
        const auto anmeldung = instanz.anmelden({});
        QCOMPARE(anmeldung.art, Art::Ungeschuetzt);
        QVERIFY(anmeldung.grund.contains("benannte Pipe"));
    }
};

QTEST_GUILESS_MAIN(EinzelinstanzTest)
#include "einzelinstanz_test.moc"
