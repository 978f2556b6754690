// End to end: the built program on a display of its own (Xvfb), a first name typed and left as
// a user does it (xdotool), a second start handing over to it, the program killed with SIGKILL,
// started again: the name is there.
// The program runs from a copy in a folder of its own, so that its files land there; a stand-in
// xdg-open first in PATH keeps any browser shut.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    QByteArray starten(QProcess& programm) {
        programm.setProcessEnvironment(umgebung);
        programm.setProcessChannelMode(QProcess::ForwardedChannels);
        programm.start(pfad("programm/velmora"), {});
        if (!programm.waitForStarted()) {
            return {};
        }
        return xdotool({"search", "--sync", "--onlyvisible", "--name", "^Velmora$"})
            .split('\n')
            .value(0);
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
};

QTEST_GUILESS_MAIN(AbsturzE2eTest)
#include "absturz_e2e_test.moc"
