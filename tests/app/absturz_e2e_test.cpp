// End to end: the built program on a display of its own (Xvfb), a first name typed and left as
// a user does it (xdotool), a second start handing over to it, the program killed with SIGKILL,
// started again: the name is there. Files handed over by later starts open dialogs that are
// answered by key or ended by SIGTERM, and the window lives on; an entry in the lock's place
// refuses the start.
// The program runs from a copy in a folder of its own, so that its files land there; a stand-in
// xdg-open first in PATH keeps any browser shut.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

class AbsturzE2eTest : public QObject {
    Q_OBJECT

    QTemporaryDir wurzel;
    QProcess xserver;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();

    QString pfad(const QString& name) const { return wurzel.filePath(name); }

    // Runs xdotool to its end and answers what it printed.
    QByteArray xdotool(const QStringList& argumente) {
        QProcess werkzeug;
        werkzeug.setProcessEnvironment(umgebung);
        werkzeug.start(QStringLiteral("xdotool"), argumente);
        if (!werkzeug.waitForFinished(20000) || werkzeug.exitCode() != 0) {
            qWarning("xdotool %s: %s", qPrintable(argumente.join(' ')),
                     werkzeug.readAllStandardError().constData());
            return {};
        }
        return werkzeug.readAllStandardOutput().trimmed();
    }

    // Starts the program and answers its window once it is shown.
    // `vorlauf` runs the program (prlimit and its options).
    QByteArray starten(QProcess& programm, const QStringList& argumente = {},
                       const QStringList& vorlauf = {}) {
        programm.setProcessEnvironment(umgebung);
        programm.setProcessChannelMode(QProcess::ForwardedChannels);
        const QStringList aufruf = vorlauf + QStringList{pfad("programm/velmora")} + argumente;
        programm.start(aufruf.first(), aufruf.mid(1));
        if (!programm.waitForStarted()) {
            return {};
        }
        return xdotool({"search", "--sync", "--onlyvisible", "--name", "Velmora$"})
            .split('\n')
            .value(0);
    }

    // The program's windows on the screen: the main window and the dialogs above it.
    QList<QByteArray> fenster() {
        QProcess suche;
        suche.setProcessEnvironment(umgebung);
        suche.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "Velmora$"});
        suche.waitForFinished(20000);
        QList<QByteArray> ids = suche.readAllStandardOutput().split('\n');
        ids.removeAll(QByteArray());
        return ids;
    }

    // A later start handing a file over; it ends as soon as the first has taken it.
    bool weiterreichen(const QString& name) {
        QProcess weiterer;
        weiterer.setProcessEnvironment(umgebung);
        weiterer.start(pfad("programm/velmora"), {pfad(name)});
        return weiterer.waitForFinished(20000) && weiterer.exitCode() == 0;
    }

    void schreiben(const QString& name, const QByteArray& inhalt) const {
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
    }

    QByteArray datei(const QString& name) const {
        QFile f(pfad("programm/" + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        for (const char* werkzeug : {"Xvfb", "xdotool"}) {
            QVERIFY2(!QStandardPaths::findExecutable(werkzeug).isEmpty(),
                     "scripts/setup.sh installiert Xvfb (xvfb) und xdotool");
        }
        // Xvfb takes the first free display and names it on the descriptor given.
        xserver.start(QStringLiteral("Xvfb"),
                      {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        QVERIFY(xserver.waitForReadyRead(20000));
        const QByteArray nummer = xserver.readLine().trimmed();
        QVERIFY(!nummer.isEmpty());

        for (const char* ordner : {"programm", "bin", "home", "laufzeit"}) {
            QVERIFY(QDir().mkpath(pfad(ordner)));
        }
        QFile::setPermissions(pfad("laufzeit"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QFile::copy(VELMORA_PROGRAMM, pfad("programm/velmora")));
        QVERIFY(QFile::copy("/bin/true", pfad("bin/xdg-open")));

        umgebung.insert("DISPLAY", ":" + nummer);
        umgebung.insert("QT_QPA_PLATFORM", "xcb");
        umgebung.insert("HOME", pfad("home"));
        umgebung.insert("XDG_CONFIG_HOME", pfad("home/.config"));
        umgebung.insert("XDG_RUNTIME_DIR", pfad("laufzeit"));
        umgebung.insert("PATH", pfad("bin") + ':' + umgebung.value("PATH"));
    }

    void cleanupTestCase() {
        xserver.terminate();
        xserver.waitForFinished();
    }

    void VornameUeberlebtSigkill() {
        QProcess erster;
        const QByteArray fenster = starten(erster);
        QVERIFY(!fenster.isEmpty());
        // The focus starts on the upper strip; the first name is two Tabs on.
        xdotool({"windowfocus", "--sync", fenster});
        xdotool({"key", "--delay", "50", "Tab", "Tab"});
        xdotool({"type", "--delay", "30", "Erika"});
        xdotool({"key", "Tab"});
        QTRY_VERIFY_WITH_TIMEOUT(datei("wiederherstellung.json").contains("\"Erika\""), 10000);
        // A second start on the same data folder hands over to the first and ends.
        QProcess weiterer;
        weiterer.setProcessEnvironment(umgebung);
        weiterer.start(pfad("programm/velmora"), {});
        QVERIFY(weiterer.waitForFinished(20000) && weiterer.exitCode() == 0);
        erster.kill();
        QVERIFY(erster.waitForFinished());

        QProcess zweiter;
        QVERIFY(!starten(zweiter).isEmpty());
        // SIGTERM saves as a close does: the settings file shows what the window held.
        zweiter.terminate();
        QVERIFY(zweiter.waitForFinished(20000));
        QCOMPARE(zweiter.exitCode(), 0);
        QCOMPARE(datei("arbeitszeugnis.ini").split('\n').value(1), "Erika\r");
    }

    // Each dialog a handed-over file opens is answered by the keys of its row, one list per
    // dialog ("SIGTERM": the signal instead); the first file is open with a name typed and not
    // saved when `ungespeichert`.
    void DialogNachWeitererStart_data() {
        QTest::addColumn<QStringList>("uebergeben");
        QTest::addColumn<bool>("ungespeichert");
        QTest::addColumn<QStringList>("antworten");
        const QStringList kaputt{"kaputt.zeugnis"};
        const QStringList gut{"zwei.zeugnis"};
        QTest::newRow("kaputt, OK") << kaputt << false << QStringList{"Return"};
        QTest::newRow("kaputt, Escape") << kaputt << false << QStringList{"Escape"};
        QTest::newRow("kaputt, SIGTERM") << kaputt << false << QStringList{"SIGTERM"};
        QTest::newRow("Speichern") << gut << true << QStringList{"Return"};
        QTest::newRow("Verwerfen") << gut << true << QStringList{"Tab space"};
        QTest::newRow("Abbrechen") << gut << true << QStringList{"Tab Tab space"};
        QTest::newRow("SIGTERM") << gut << true << QStringList{"SIGTERM"};
        QTest::newRow("zwei nacheinander") << QStringList{"kaputt.zeugnis", "leer.zeugnis"} << false
                                           << QStringList{"Return", "Return"};
    }
    void DialogNachWeitererStart() {
        QFETCH(QStringList, uebergeben);
        QFETCH(bool, ungespeichert);
        QFETCH(QStringList, antworten);
        const QByteArray gueltig = R"({"format": "velmora-zeugnis", "version": 1})";
        schreiben("eins.zeugnis", gueltig);
        schreiben("zwei.zeugnis", gueltig);
        schreiben("kaputt.zeugnis", "{kein Zeugnis");
        schreiben("leer.zeugnis", "");
        // Each row starts afresh: no file kept open, nothing to restore.
        for (const char* name : {"zustand.json", "wiederherstellung.json"}) {
            QFile::remove(pfad("programm/") + name);
        }

        QProcess erster;
        const QByteArray haupt =
            starten(erster, ungespeichert ? QStringList{pfad("eins.zeugnis")} : QStringList{});
        QVERIFY(!haupt.isEmpty());
        if (ungespeichert) {
            xdotool({"windowfocus", "--sync", haupt});
            xdotool({"key", "--delay", "50", "Tab", "Tab"});
            xdotool({"type", "--delay", "30", "Erika"});
            xdotool({"key", "Tab"});
            QTRY_VERIFY_WITH_TIMEOUT(datei("wiederherstellung.json").contains("\"Erika\""), 10000);
        }
        for (const QString& name : uebergeben) {
            QVERIFY(weiterreichen(name));
        }
        // Dialogs of files handed over in a row stand one above the other, the last on top.
        for (qsizetype offen = antworten.size(); offen > 0; --offen) {
            const QString antwort = antworten[antworten.size() - offen];
            QTRY_COMPARE_WITH_TIMEOUT(fenster().size(), 1 + offen, 10000);
            if (antwort == "SIGTERM") {
                ::kill(static_cast<pid_t>(erster.processId()), SIGTERM);
                QVERIFY(erster.waitForFinished(20000));
                QCOMPARE(erster.exitStatus(), QProcess::NormalExit);
                QCOMPARE(erster.exitCode(), 0);
                QVERIFY(!datei("arbeitszeugnis.ini").isEmpty());
                return;
            }
            // Listed from the bottom up; the main window, raised for each file, may be on top.
            QList<QByteArray> dialoge = fenster();
            dialoge.removeAll(haupt);
            xdotool({"windowfocus", "--sync", dialoge.constLast()});
            xdotool(QStringList{"key", "--delay", "50"} + antwort.split(' '));
            QTRY_COMPARE_WITH_TIMEOUT(fenster().size(), offen, 10000);
        }
        // Alive and listening: the next start still hands over.
        QCOMPARE(erster.state(), QProcess::Running);
        QVERIFY(weiterreichen("eins.zeugnis"));
        erster.terminate();
        QVERIFY(erster.waitForFinished(20000));
        QCOMPARE(erster.exitCode(), 0);
    }

    // Under a file size limit the recovery write fails, which the band says, and the program
    // lives on; no temporary file is left.
    void DateigroessenlimitKostetNurDieSicherung() {
        for (const char* name : {"zustand.json", "wiederherstellung.json"}) {
            QFile::remove(pfad("programm/") + name);
        }
        QProcess programm;
        const QByteArray haupt = starten(programm, {}, {"prlimit", "--fsize=64"});
        QVERIFY(!haupt.isEmpty());
        xdotool({"windowfocus", "--sync", haupt});
        xdotool({"key", "--delay", "50", "Tab", "Tab"});
        xdotool({"type", "--delay", "30", "Erika"});
        xdotool({"key", "Tab"});
        QTest::qWait(1000);
        QCOMPARE(programm.state(), QProcess::Running);
        QCOMPARE(QDir(pfad("programm"))
                     .entryList({"*wiederherstellung*"}, QDir::Files | QDir::Hidden | QDir::System),
                 QStringList());
        programm.terminate();
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitCode(), 0);
    }

    // A folder in the lock's place: a message names it and what to do, and the start ends
    // with status 1 once it is confirmed.
    void OrdnerStattSperreVerweigertStart() {
        const QString sperre = pfad("programm/.velmora.lock");
        QFile::remove(sperre);
        QVERIFY(QDir().mkdir(sperre));
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.start(pfad("programm/velmora"), {});
        QTRY_VERIFY_WITH_TIMEOUT(fenster().size() == 1, 30000);
        xdotool({"windowfocus", "--sync", fenster().constFirst()});
        xdotool({"key", "Return"});
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitCode(), 1);
        QVERIFY(QString::fromUtf8(programm.readAllStandardError())
                    .contains("Bitte den Eintrag „" + sperre + "“ entfernen."));
        QVERIFY(QDir().rmdir(sperre));
    }
};

QTEST_GUILESS_MAIN(AbsturzE2eTest)
#include "absturz_e2e_test.moc"
