// The desktop integration as `cmake --install` leaves it: the reference file's type in the
// installed MIME database, and the desktop entry that opens it.
#include <QFile>
#include <QLocale>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class MimetypTest : public QObject {
    Q_OBJECT

    QTemporaryDir praefix;

    static int ausfuehren(const QString& programm, const QStringList& argumente) {
        QProcess prozess;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove("DESTDIR");
        prozess.setProcessEnvironment(umgebung);
        prozess.start(programm, argumente);
        prozess.waitForFinished(120000);
        return prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    }

private slots:
    // Only the temporary prefix is searched, so the type can come from nowhere else.
    void initTestCase() {
        QCOMPARE(
            ausfuehren(VELMORA_CMAKE, {"--install", VELMORA_BUILD, "--prefix", praefix.path()}), 0);
        qputenv("XDG_DATA_DIRS", praefix.filePath("share").toUtf8());
        qputenv("XDG_DATA_HOME", praefix.filePath("leer").toUtf8());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void ZeugnisdateiHatIhrenTyp() {
        const QMimeDatabase datenbank;
        const QMimeType typ =
            datenbank.mimeTypeForFile("Mustermann, Hans.zeugnis", QMimeDatabase::MatchExtension);
        QCOMPARE(typ.name(), "application/x-velmora-zeugnis");
        QCOMPARE(typ.globPatterns(), QStringList{"*.zeugnis"});
        QCOMPARE(typ.comment(), "Velmora-Arbeitszeugnis");
    }

    void DesktopEintragOeffnetIhn() {
        const QString eintrag = praefix.filePath("share/applications/velmora.desktop");
        QFile datei(eintrag);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QVERIFY(inhalt.contains("\nExec=velmora %f\n"));
        QVERIFY(inhalt.contains("\nMimeType=application/x-velmora-zeugnis;\n"));
        QVERIFY(inhalt.contains("\nName=Arbeitszeugnis analysieren\n"
                                "Exec=velmora --analyse-fenster %f\n"));
        QCOMPARE(ausfuehren("desktop-file-validate", {eintrag}), 0);
    }
};

QTEST_GUILESS_MAIN(MimetypTest)
#include "mimetyp_test.moc"
