// The command line as a script meets it: the built program as a child process, without a
// display, with a home folder of its own.
#include "output/klartext.h"
#include "storage/eingabedatei.h"
#include "storage/zustand.h"
#include "support/beispieldatei.h"
#include "support/testzeugnis.h"
#include "support/zufallszeugnis.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace velmora;

namespace {

QByteArray text(const Zeugnisdaten& daten) {
    return QByteArray::fromStdString(klartext(daten, komponierteVorschautexte(daten)));
}

QByteArray lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : "(keine Datei)";
}

struct Programmlauf {
    int status = -1;
    QByteArray ausgabe, fehler;
};

} // namespace

class BefehlszeileTest : public QObject {
    Q_OBJECT

    QTemporaryDir heim;

    Programmlauf starten(const QStringList& argumente, const QString& programm = VELMORA_PROGRAMM) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("HOME", heim.path());
        umgebung.insert("XDG_CONFIG_HOME", heim.filePath(".config"));
        for (const char* anzeige : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            umgebung.remove(anzeige);
        }
        QProcess prozess;
        prozess.setProcessEnvironment(umgebung);
        prozess.start(programm, argumente);
        if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit) {
            return {};
        }
        return {prozess.exitCode(), prozess.readAllStandardOutput(),
                prozess.readAllStandardError()};
    }
    QString ablegen(const QString& name, const QByteArray& inhalt) {
        QDir().mkpath(QFileInfo(heim.filePath(name)).path());
        QFile datei(heim.filePath(name));
        return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size()
                   ? datei.fileName()
                   : QString();
    }

private slots:
    // A wrong call shows the usage (2), an error says what and where (1, after "velmora: " on
    // standard error); neither writes to standard output.
    void Aufruf() {
        const QString ini = ablegen("alt.ini", QByteArray::fromStdString(beispieldatei()));
        const QString bild = ablegen("bild.ini", "\x89PNG\r\n\x1A\n");
        const QString fehlt = heim.filePath("x.zeugnis"), ziel = heim.filePath("fehlt/z.txt");
        const auto datei = [](const QString& pfad) { return "Die Datei „" + pfad + "“ "; };
        for (const auto& [argumente, status, meldung] :
             std::initializer_list<std::tuple<QStringList, int, QString>>{
                 {{"--export", "odt"}, 2, "Unbekanntes Format „odt“; möglich sind: txt, rtf"},
                 {{"--export", "txt", "a", "b"}, 2, ""},
                 {{"--ausgabe", "-", ini}, 2, ""},
                 {{"--export", "txt", "--ausgabe"}, 2, ""},
                 {{"--export", "txt", "-v"}, 2, "Unbekannte Option „-v“."},
                 {{"--export", "txt", fehlt}, 1, datei(fehlt) + "kann nicht gelesen"},
                 {{"--export", "txt", bild}, 1, datei(bild) + "ist weder"},
                 {{"--export", "txt", "--ausgabe", ziel, ini},
                  1,
                  "Das Zeugnis konnte nicht als „" + ziel}}) {
            const Programmlauf lauf = starten(argumente);
            QCOMPARE(lauf.status, status);
            QVERIFY2(lauf.fehler.startsWith("velmora: " + meldung.toUtf8()), lauf.fehler);
            QCOMPARE(lauf.fehler.contains("Aufruf:\n  velmora [DATEI]"), status == 2);
            QCOMPARE(lauf.ausgabe, "");
        }
    }

    // Exactly the clipboard text and the document the window produces for the same state.
    void AusgabenWieImFenster() {
        const std::string basis = lesen(VELMORA_TEMP_DOC).toStdString();
        std::mt19937 zufall(8);
        for (int durchlauf = 0; durchlauf < 12; ++durchlauf) {
            const Zeugnisdaten daten = test::zufallszeugnis(zufall);
            const QString datei = ablegen("zufall.zeugnis", zeugnisdateiSchreiben(daten));
            const Programmlauf txt = starten({"--export", "txt", "--ausgabe", "-", datei});
            const Programmlauf rtf = starten({"--ausgabe", "-", datei, "--export", "rtf"});
            QCOMPARE(txt.ausgabe, text(daten));
            QCOMPARE(rtf.ausgabe.toStdString(),
                     test::zeugnisdokument(daten, komponierteVorschautexte(daten), basis));
            QCOMPARE(txt.status + rtf.status, 0);
            QCOMPARE(txt.fehler + rtf.fehler, "");
        }
        QVERIFY(starten({"--help"}).ausgabe.contains("velmora --export FORMAT [--ausgabe PFAD]"));
    }

    // Never over a file the user has: the next free name, its path on standard output. Every
    // format, the PDF without a display too.
    void Dokumentenordner() {
        const QString datei = ablegen("a.zeugnis", zeugnisdateiSchreiben(anfangsdaten()));
        const QString dokumente = heim.filePath("Documents/");
        ablegen("Documents/Zeugnis.txt", "bearbeitet");
        const std::map<QString, QByteArray> anfaenge = {
            {"txt", "ZEUGNIS"}, {"rtf", "{\\rtf"}, {"pdf", "%PDF-1.4"}, {"docx", "PK\3\4"}};
        for (const QString name :
             {"Zeugnis (2).txt", "Zeugnis (3).txt", "Zeugnis.rtf", "Zeugnis.pdf", "Zeugnis.docx"}) {
            const QString format = QFileInfo(name).suffix();
            const Programmlauf lauf = starten({"--export", format, datei});
            QCOMPARE(lauf.ausgabe, (dokumente + name + "\n").toUtf8());
            QCOMPARE(lauf.fehler, ""); // the PDF's toolkit says nothing either
            QVERIFY(lesen(dokumente + name).startsWith(anfaenge.at(format)));
        }
        QCOMPARE(lesen(dokumente + "Zeugnis.txt"), "bearbeitet");
        const QString ziel = heim.filePath("ausgabe.txt");
        QCOMPARE(starten({"--export", "txt", "--ausgabe", ziel, datei}).ausgabe, ziel + "\n");
        QCOMPARE(lesen(ziel), text(anfangsdaten()));
    }

    // A standard output that is full or closed, a file size limit: status 1 with the reason
    // and nothing left behind, not even a temporary file; a device the user names takes the
    // document.
    void Schreibfehler() {
        const QString datei = ablegen("s.zeugnis", zeugnisdateiSchreiben(anfangsdaten()));
        const QString ordner = heim.filePath("begrenzt");
        QVERIFY(QDir().mkpath(ordner));
        const QString ziel = ordner + "/z.rtf";
        const auto umgeleitet = [](const QString& umleitung) {
            return std::pair<QString, QStringList>(
                "/bin/sh", {"-c", "exec \"$0\" \"$@\" " + umleitung, VELMORA_PROGRAMM});
        };
        const QString gespeichert = "Das Zeugnis ist gespeichert, aber sein Pfad konnte nicht auf "
                                    "die Standardausgabe geschrieben werden. ";
        const QString nichtGeschrieben =
            "Das Zeugnis konnte nicht auf die Standardausgabe geschrieben werden. ";
        for (const auto& [aufruf, ausgabe, status, meldung, bleibt] : std::initializer_list<
                 std::tuple<std::pair<QString, QStringList>, QString, int, QString, QStringList>>{
                 {umgeleitet(">/dev/full"),
                  "-",
                  1,
                  nichtGeschrieben + "Auf dem Datenträger ist kein Platz mehr frei.",
                  {}},
                 {umgeleitet(">&-"),
                  "-",
                  1,
                  nichtGeschrieben + "Der Ausgabekanal ist geschlossen.",
                  {}},
                 {umgeleitet(">/dev/full"),
                  ziel,
                  1,
                  gespeichert + "Auf dem Datenträger ist kein Platz mehr frei.",
                  {"z.rtf"}},
                 {{"prlimit", {"--fsize=2000", VELMORA_PROGRAMM}},
                  ziel,
                  1,
                  "Das Zeugnis konnte nicht als „" + ziel +
                      "“ gespeichert werden: Die Datei ist zu groß für das erlaubte "
                      "Dateigrößenlimit.",
                  {}},
                 {umgeleitet(""), "/dev/null", 0, "", {}}}) {
            QFile::remove(ziel);
            const Programmlauf lauf =
                starten(aufruf.second + QStringList{"--export", "rtf", "--ausgabe", ausgabe, datei},
                        aufruf.first);
            QCOMPARE(lauf.status, status);
            QCOMPARE(QString::fromUtf8(lauf.fehler),
                     meldung.isEmpty() ? QString() : "velmora: " + meldung + "\n");
            QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     bleibt);
        }
    }

    // Without a file: the window's last state from the data folder beside a copy of the
    // program; no recovery file read, no handover taken.
    void OhneDatei() {
        const QString programm = heim.filePath("programm/velmora");
        QVERIFY(QDir().mkpath(heim.filePath("programm")) &&
                QFile::copy(VELMORA_PROGRAMM, programm));
        const std::string einstellungen = beispieldatei();
        ablegen("programm/arbeitszeugnis.ini", QByteArray::fromStdString(einstellungen));
        Zustand zustand;
        zustand.zusatz.aufgaben.liste = {"Einkauf"};
        ablegen("programm/zustand.json", zustandSchreiben(zustand));
        ablegen("programm/wiederherstellung.json",
                "{\"zeugnis\": " + zeugnisdateiSchreiben(test::alleBewertet(frau)) + "}");
        const QString uebergabe = ablegen("programm/übergabe.ini", "Erika\r\n");

        Zeugnisdaten erwartet = zeugnisAusEinstellungen(einstellungenLesen(einstellungen));
        zusatzEinsetzen(zustand.zusatz, erwartet);
        QCOMPARE(starten({"--export", "txt", "--ausgabe", "-"}, programm).ausgabe, text(erwartet));
        QVERIFY(QFile::exists(uebergabe));
    }
};

QTEST_GUILESS_MAIN(BefehlszeileTest)
#include "befehlszeile_test.moc"
