#include "platform/einzelinstanz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
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

    // The same folder reached through a link meets the first instance, which hears the start
    // once, with the folder it was given in; another folder has one of its own.
    void SpaeterStartReichtWeiter() {
        QTemporaryDir wurzel;
        QVERIFY(QDir(wurzel.path()).mkpath("daten") && QDir(wurzel.path()).mkpath("anderer"));
        QVERIFY(QFile::link(wurzel.filePath("daten"), wurzel.filePath("verknuepft")));
        QProcess erste;
        erste.setWorkingDirectory(wurzel.path());
        erste.start(QCoreApplication::applicationDirPath() + "/velmora_instanzhalter",
                    {wurzel.filePath("daten")});
        QVERIFY(erste.waitForReadyRead(5000));
        QCOMPARE(erste.readLine(), "bereit\n");

        Einzelinstanz spaetere(wurzel.filePath("verknuepft"));
        QCOMPARE(spaetere.anmelden({"Müller.zeugnis"}).art, Art::Weitergereicht);
        QTRY_VERIFY(erste.canReadLine());
        QCOMPARE(erste.readLine(), "Müller.zeugnis\n");
        QTRY_VERIFY(erste.canReadLine());
        QCOMPARE(erste.readLine(), QDir::currentPath().toUtf8() + "\n");
        // Heard once: what it hears next is the next start.
        QCOMPARE(Einzelinstanz(wurzel.filePath("daten")).anmelden({"zweiter"}).art,
                 Art::Weitergereicht);
        QTRY_VERIFY(erste.canReadLine());
        QCOMPARE(erste.readLine(), "zweiter\n");
        Einzelinstanz andere(wurzel.filePath("anderer"));
        QCOMPARE(andere.anmelden({}).art, Art::Erste);
        erste.kill();
        QVERIFY(erste.waitForFinished(5000));
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

    // An entry in the lock file's place is not opened and refuses the start, naming itself and
    // what to do; nothing answers, so no second window could be told from the first.
    void EintragStattSperre_data() {
        QTest::addColumn<QString>("art");
        QTest::newRow("FIFO") << "benannte Pipe";
        QTest::newRow("Ordner") << "Ordner";
        QTest::newRow("Verknüpfung") << "symbolische Verknüpfung";
    }
    void EintragStattSperre() {
        QFETCH(QString, art);
        QTemporaryDir ordner;
        const QString sperre = ordner.filePath(".velmora.lock");
        const QByteArray name = QFile::encodeName(sperre);
        if (art.contains("Pipe")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (art == "Ordner") {
            QVERIFY(QDir().mkdir(sperre));
        } else {
            QVERIFY(QFile::link(ordner.filePath("ziel"), sperre));
        }
        Einzelinstanz instanz(ordner.path());
        const auto anmeldung = instanz.anmelden({});
        QCOMPARE(anmeldung.art, Art::Verstellt);
        QVERIFY2(anmeldung.grund.contains(art), qPrintable(anmeldung.grund));
        QVERIFY(anmeldung.grund.endsWith("Bitte den Eintrag „" + sperre + "“ entfernen."));
        QVERIFY(!QFileInfo::exists(ordner.filePath("ziel")));
    }
};

QTEST_GUILESS_MAIN(EinzelinstanzTest)
#include "einzelinstanz_test.moc"
