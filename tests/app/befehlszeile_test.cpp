// The command line as a user or a script meets it: the built program started as a child
// process, with no display and a home folder of its own.
#include "compose/komposition.h"
#include "output/dokument.h"
#include "output/klartext.h"
#include "storage/eingabedatei.h"
#include "storage/zustand.h"
#include "support/beispieldatei.h"
#include "support/zufallszeugnis.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

// The previews as the window composes them from the grades.
AngezeigteVorschautexte komponiert(const Zeugnisdaten& daten) {
    const Vorschautexte texte = alleVorschautexte(daten);
    AngezeigteVorschautexte angezeigt;
    for (int i = 0; i < anzahlBereiche; ++i) {
        angezeigt[i] = texte[i].value_or("");
    }
    return angezeigt;
}

QByteArray text(const Zeugnisdaten& daten) {
    return QByteArray::fromStdString(klartext(daten, komponiert(daten)));
}

QByteArray lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("(keine Datei)");
}

struct Lauf {
    int status = -1;
    QByteArray ausgabe;
    QByteArray fehler;
};

} // namespace

class BefehlszeileTest : public QObject {
    Q_OBJECT

    QTemporaryDir heim; // the child's home, with its documents folder

    Lauf starten(const QStringList& argumente,
                 const QString& programm = QStringLiteral(VELMORA_PROGRAMM)) {
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
        const QString pfad = heim.filePath(name);
        QDir().mkpath(QFileInfo(pfad).path());
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
            qFatal("cannot write %s", qPrintable(pfad));
        }
        return pfad;
    }
    QString dokumente() const { return heim.filePath("Documents"); }

private slots:
    void init() { QDir(dokumente()).removeRecursively(); }

    void aufruf_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung"); // on standard error, "" for none
        const QString alt = ablegen("alt.zeugnis", QByteArray::fromStdString(beispieldatei()));
        const QString bild = ablegen("bild.ini", "\x89PNG\r\n\x1A\n");
        const QString nichts = heim.filePath("nichts.zeugnis");
        QTest::newRow("Hilfe") << QStringList{"--help"} << 0 << "";
        QTest::newRow("ohne Format")
            << QStringList{"--export"} << 2 << "Nach „--export“ fehlt das Format.";
        QTest::newRow("pdf") << QStringList{"--export", "pdf"} << 2
                             << "Unbekanntes Format „pdf“; möglich sind: txt, rtf.";
        QTest::newRow("zwei Dateien")
            << QStringList{"--export", "txt", "a", "b"} << 2 << "nur eine Datei";
        QTest::newRow("Ausgabe ohne Export")
            << QStringList{"--ausgabe", "-", alt} << 2 << "„--ausgabe“ gilt nur zusammen";
        QTest::newRow("Export doppelt")
            << QStringList{"--export", "txt", "--export", "rtf"} << 2 << "doppelt";
        QTest::newRow("ohne Pfad")
            << QStringList{"--export", "txt", "--ausgabe"} << 2 << "fehlt der Pfad";
        QTest::newRow("Hilfe und Version")
            << QStringList{"--help", "--version"} << 2 << "„--help“ steht ohne weitere Angaben.";
        QTest::newRow("unbekannte Option")
            << QStringList{"--export", "txt", "-v"} << 2 << "Unbekannte Option „-v“.";
        QTest::newRow("fehlende Datei") << QStringList{"--export", "txt", nichts} << 1
                                        << "„" + nichts + "“ kann nicht gelesen werden.";
        QTest::newRow("Ordner") << QStringList{"--export", "rtf", heim.path()} << 1
                                << "„" + heim.path() + "“ kann nicht gelesen werden.";
        QTest::newRow("Einstellungen als .zeugnis")
            << QStringList{"--export", "txt", alt} << 1 << "„" + alt + "“ ist kein gültiges";
        QTest::newRow("Bild") << QStringList{"--export", "txt", bild} << 1
                              << "„" + bild + "“ ist weder";
        const QString ziel = heim.filePath("fehlt/z.txt");
        QTest::newRow("Ausgabe in fehlenden Ordner")
            << QStringList{"--export", "txt", "--ausgabe", ziel,
                           ablegen("a.zeugnis", zeugnisdateiSchreiben(anfangsdaten()))}
            << 1 << "konnte nicht als „" + ziel + "“ gespeichert werden";
    }

    void aufruf() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const Lauf lauf = starten(argumente);
        QCOMPARE(lauf.status, status);
        const QString fehler = QString::fromUtf8(lauf.fehler);
        QVERIFY2(meldung.isEmpty() ? fehler.isEmpty()
                                   : fehler.startsWith("velmora: ") && fehler.contains(meldung),
                 qPrintable(fehler));
        QCOMPARE(fehler.contains("Aufruf:\n  velmora [DATEI]"), status == 2);
        QCOMPARE(lauf.ausgabe.contains("--export FORMAT [--ausgabe PFAD] [DATEI]"), status == 0);
        QVERIFY(status == 0 || lauf.ausgabe.isEmpty());
    }

    void version() {
        const Lauf lauf = starten({"--version"});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.ausgabe, "velmora 1.5.0\n");
    }

    // Exactly the clipboard text and the document the window produces for the same state.
    void ausgaben_wie_im_fenster() {
        QFile vorlage(QStringLiteral(VELMORA_TEMP_DOC));
        QVERIFY(vorlage.open(QIODevice::ReadOnly));
        const std::string basis = vorlage.readAll().toStdString();
        std::mt19937 zufall(8);
        for (int durchlauf = 0; durchlauf < 12; ++durchlauf) {
            const Zeugnisdaten daten = test::zufallszeugnis(zufall);
            const QString datei = ablegen("zufall.zeugnis", zeugnisdateiSchreiben(daten));
            const Lauf txt = starten({"--export", "txt", "--ausgabe", "-", datei});
            QCOMPARE(txt.status, 0);
            QCOMPARE(txt.ausgabe, text(daten));
            const Lauf rtf = starten({"--ausgabe", "-", datei, "--export", "rtf"});
            QCOMPARE(rtf.status, 0);
            QCOMPARE(rtf.ausgabe, QByteArray::fromStdString(
                                      zeugnisdokument(daten, komponiert(daten), basis).rtf));
            QCOMPARE(txt.fehler + rtf.fehler, "");
        }
    }

    void einstellungsdatei() {
        const std::string datei = beispieldatei();
        const Lauf lauf =
            starten({"--export", "txt", "--ausgabe", "-",
                     ablegen("arbeitszeugnis.ini", QByteArray::fromStdString(datei))});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.ausgabe, text(zeugnisAusEinstellungen(einstellungenLesen(datei))));
    }

    // Never over a file the user has: the next free name, its path on standard output.
    void dokumentenordner() {
        const QString datei = ablegen("a.zeugnis", zeugnisdateiSchreiben(anfangsdaten()));
        ablegen("Documents/Zeugnis.txt", "vom Benutzer bearbeitet");
        for (const QString name : {"Zeugnis (2).txt", "Zeugnis (3).txt"}) {
            const Lauf lauf = starten({"--export", "txt", datei});
            QCOMPARE(lauf.status, 0);
            QCOMPARE(QString::fromUtf8(lauf.ausgabe), dokumente() + "/" + name + "\n");
            QCOMPARE(lesen(dokumente() + "/" + name), text(anfangsdaten()));
        }
        QCOMPARE(lesen(dokumente() + "/Zeugnis.txt"), "vom Benutzer bearbeitet");
        QCOMPARE(starten({"--export", "rtf", datei}).ausgabe, dokumente() + "/Zeugnis.rtf\n");

        const QString ziel = heim.filePath("ausgabe.txt");
        const Lauf lauf = starten({"--export", "txt", "--ausgabe", ziel, datei});
        QCOMPARE(QString::fromUtf8(lauf.ausgabe), ziel + "\n");
        QCOMPARE(lesen(ziel), text(anfangsdaten()));
    }

    // Without a file: the window's last state from the data folder beside a copy of the
    // program, and nothing of the start that belongs to the window alone.
    void ohne_datei() {
        const QString programm = heim.filePath("programm/velmora");
        QDir().mkpath(heim.filePath("programm"));
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_PROGRAMM), programm));
        const std::string einstellungen = beispieldatei();
        ablegen("programm/arbeitszeugnis.ini", QByteArray::fromStdString(einstellungen));
        Zustand zustand;
        zustand.zusatz.aufgaben.liste = {"Einkauf"};
        zustand.zusatz.unterzeichner.name = "Petra Schmidt";
        ablegen("programm/zustand.json", zustandSchreiben(zustand));
        Zeugnisdaten anders = anfangsdaten();
        anders.text(Eingabe::Vorname) = "Erika";
        ablegen("programm/wiederherstellung.json",
                "{\"zeugnis\": " + zeugnisdateiSchreiben(anders) + "}");
        const QString uebergabe = ablegen("programm/übergabe.ini", "Erika\r\n");

        Zeugnisdaten erwartet = zeugnisAusEinstellungen(einstellungenLesen(einstellungen));
        zusatzEinsetzen(zustand.zusatz, erwartet);
        const Lauf lauf = starten({"--export", "txt", "--ausgabe", "-"}, programm);
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.ausgabe, text(erwartet));
        QVERIFY(QFile::exists(uebergabe));
    }
};

QTEST_GUILESS_MAIN(BefehlszeileTest)
#include "befehlszeile_test.moc"
