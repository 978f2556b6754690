// The command line as a script meets it: the built program as a child process, without a
// display, with a home folder of its own.
#include "output/klartext.h"
#include "storage/eingabedatei.h"
#include "storage/zustand.h"
#include "support/beispieldatei.h"
#include "support/datentabelle.h"
#include "support/testzeugnis.h"
#include "support/zufallszeugnis.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

    Programmlauf starten(const QStringList& argumente, const QString& programm = VELMORA_PROGRAMM,
                         const QByteArray& eingabe = {}) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("HOME", heim.path());
        umgebung.insert("LC_ALL", "C"); // the messages are German whatever the locale
        umgebung.insert("XDG_CONFIG_HOME", heim.filePath(".config"));
        for (const char* anzeige : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            umgebung.remove(anzeige);
        }
        QProcess prozess;
        prozess.setProcessEnvironment(umgebung);
        prozess.start(programm, argumente);
        prozess.write(eingabe);
        prozess.closeWriteChannel();
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
        const QString weitere = "„--help“ kann nicht mit weiteren Angaben verbunden werden.";
        for (const auto& [argumente, status, meldung] :
             std::initializer_list<std::tuple<QStringList, int, QString>>{
                 {{"--export", "odt"}, 2, "Unbekanntes Format „odt“; möglich sind: txt, rtf"},
                 {{"--help", ini}, 2, weitere},
                 {{"--export", "txt", "-h"}, 2, weitere},
                 {{"--export", "txt", fehlt}, 1, datei(fehlt) + "gibt es nicht.\n"},
                 {{"--export", "Txt", heim.path()},
                  1,
                  "„" + heim.path() + "“ ist ein Ordner, keine Datei.\n"},
                 {{"--export", "txt", "a", "b"}, 2, ""},
                 {{"--ausgabe", "-", ini}, 2, ""},
                 {{"--export", "txt", "--ausgabe"}, 2, ""},
                 {{"--export", "txt", "-v"}, 2, "Unbekannte Option „-v“."},
                 {{"--export", "txt", bild}, 1, datei(bild) + "ist weder"},
                 {{"--export", "txt", "--ausgabe", ziel, ini},
                  1,
                  "Das Zeugnis konnte nicht als „" + ziel +
                      "“ gespeichert werden: Den Ordner dafür gibt es nicht.\n"}}) {
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
            const Programmlauf txt = starten({"--export", "TXT", "--ausgabe", "-", datei});
            const Programmlauf rtf = starten({"--ausgabe", "-", datei, "--export", "Rtf"});
            QCOMPARE(txt.ausgabe, text(daten));
            QCOMPARE(rtf.ausgabe.toStdString(),
                     test::zeugnisdokument(daten, komponierteVorschautexte(daten), basis));
            QCOMPARE(txt.status + rtf.status, 0);
            QCOMPARE(txt.fehler + rtf.fehler, "");
        }
        for (const char* hilfe : {"--help", "-h"}) {
            QVERIFY(starten({hilfe}).ausgabe.contains("velmora --export FORMAT [--ausgabe PFAD]"));
        }
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
                  nichtGeschrieben + "Auf dem Datenträger ist kein Platz mehr.",
                  {}},
                 {umgeleitet(">&-"),
                  "-",
                  1,
                  nichtGeschrieben + "Der Ausgabekanal ist geschlossen.",
                  {}},
                 {umgeleitet(">/dev/full"),
                  ziel,
                  1,
                  gespeichert + "Auf dem Datenträger ist kein Platz mehr.",
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

    // The analysis of a text file, a reference file or standard input; a refusal for what it
    // cannot read, and the usage for a wrong call.
    void Analyse() {
        const Zeugnisdaten daten = test::alleBewertet(frau);
        const QString zeugnis = ablegen("z.zeugnis", zeugnisdateiSchreiben(daten));
        const QString textdatei = ablegen("z.txt", text(daten));
        const QString leer = ablegen("leer.txt", " \r\n\xEF\xBB\xBF");
        const QString pdf = ablegen("z.pdf", "%PDF-1.4\n");
        const QString gross = ablegen("gross.txt", QByteArray(10 * 1024 * 1024 + 1, 'a'));
        const QByteArray tabelle = starten({"--analyse", textdatei}).ausgabe;
        QVERIFY2(tabelle.startsWith("Zeugnisart: Endzeugnis") && tabelle.contains("Gesamtnote: "),
                 tabelle);
        for (const auto& [argumente, eingabe, status, ausgabe, meldung] :
             std::initializer_list<std::tuple<QStringList, QByteArray, int, QByteArray, QString>>{
                 {{"--analyse", zeugnis}, "", 0, tabelle, ""},
                 {{"--format", "text", "--analyse", "-"}, text(daten), 0, tabelle, ""},
                 {{"--analyse"}, text(daten), 0, tabelle, ""},
                 {{"--analyse", leer}, "", 1, "", "Die Datei „" + leer + "“ enthält keinen"},
                 {{"--analyse"}, "\n\n", 1, "", "Die Standardeingabe enthält keinen"},
                 {{"--analyse", pdf}, "", 1, "", "Das PDF ist beschädigt"},
                 {{"--analyse", gross}, "", 1, "", "Die Datei „" + gross + "“ ist größer"},
                 {{"--analyse", heim.filePath("fehlt.txt")}, "", 1, "", "Die Datei „"},
                 {{"--analyse", "--export", "txt"}, "", 2, "", "„--analyse“ kann nicht"},
                 {{"--analyse", "--ausgabe", "-"}, "", 2, "", "„--analyse“ kann nicht"},
                 {{"--analyse", "--format", "xml"}, "", 2, "", "Unbekanntes Format „xml“"},
                 {{"--format", "json", zeugnis}, "", 2, "", "„--format“ gilt nur"},
                 {{"--analyse", zeugnis, textdatei}, "", 2, "", "Es kann nur eine Datei"},
                 {{"--analyse-fenster", "--analyse"}, "", 2, "", "„--analyse-fenster“ steht nur"},
                 {{"--export", "txt", "--analyse-fenster"},
                  "",
                  2,
                  "",
                  "„--analyse-fenster“ steht"}}) {
            const Programmlauf lauf = starten(argumente, VELMORA_PROGRAMM, eingabe);
            QCOMPARE(lauf.status, status);
            QCOMPARE(lauf.ausgabe, ausgabe);
            QVERIFY2(meldung.isEmpty() ? lauf.fehler.isEmpty()
                                       : lauf.fehler.startsWith(("velmora: " + meldung).toUtf8()),
                     lauf.fehler);
        }

        // The JSON's shape is an interface: every member, of its type.
        const Programmlauf json =
            starten({"--analyse", "--format", "json", "-"}, VELMORA_PROGRAMM,
                    "ZEUGNIS\n\nSie sagte \"ja\\nein\". Er war stets gesellig. Wir wünschen ihm "
                    "alles Gute.\n");
        QCOMPARE(json.status, 0);
        const QJsonObject wurzel = QJsonDocument::fromJson(json.ausgabe).object();
        QCOMPARE(wurzel.keys(),
                 (QStringList{"art", "format", "gesamtnote", "hinweise", "saetze", "version"}));
        QCOMPARE(wurzel["format"].toString(), "velmora-analyse");
        QCOMPARE(wurzel["version"].toInt(), 1);
        QCOMPARE(wurzel["art"].toString(), "endzeugnis");
        QVERIFY(wurzel["gesamtnote"].isNull());
        const QJsonArray saetze = wurzel["saetze"].toArray();
        QCOMPARE(saetze.size(), 4);
        QCOMPARE(saetze[1]["text"].toString(), "Sie sagte \"ja\\nein\".");
        for (const QJsonValue satz : saetze) {
            QCOMPARE(satz.toObject().keys(), (QStringList{"anlass", "bereich", "codes", "grund",
                                                          "note", "signale", "text"}));
            QVERIFY(satz["bereich"].isDouble() && satz["signale"].isArray());
        }
        QCOMPARE(saetze[2]["codes"].toArray(), (QJsonArray{"geselligkeit"}));
        QCOMPARE(saetze[2]["bereich"].toInt(), 11);
        bool geselligkeit = false;
        for (const QJsonValue hinweis : wurzel["hinweise"].toArray()) {
            QCOMPARE(hinweis.toObject().keys(),
                     (QStringList{"art", "bereich", "code", "satz", "text"}));
            geselligkeit = geselligkeit || (hinweis["code"] == "geselligkeit" &&
                                            hinweis["art"] == "code" && hinweis["satz"] == 2);
        }
        QVERIFY(geselligkeit);
    }

    // The same reference as text, RTF, Word document and PDF, written by the program and by
    // LibreOffice from the text, under a name that tells nothing: the same sentences, sections,
    // grades and overall grade.
    void AnalyseLiestJedesFormatGleich() {
        Zeugnisdaten daten = test::alleBewertet(herr);
        daten.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten bewerten"}, ""};
        const QString zeugnis = ablegen("gleich.zeugnis", zeugnisdateiSchreiben(daten));
        QStringList dateien;
        for (const QString format : {"txt", "rtf", "docx", "pdf"}) {
            dateien << heim.filePath("gleich." + format);
            QCOMPARE(starten({"--export", format, "--ausgabe", dateien.back(), zeugnis}).status, 0);
        }
#ifdef VELMORA_SOFFICE
        for (const QString format : {"rtf", "docx", "pdf"}) {
            QProcess libreoffice;
            libreoffice.setStandardOutputFile(QProcess::nullDevice());
            libreoffice.setStandardErrorFile(QProcess::nullDevice());
            libreoffice.start(
                VELMORA_SOFFICE,
                {"--headless", "--norestore", "-env:UserInstallation=file://" + heim.filePath("lo"),
                 "--convert-to", format, "--outdir", heim.filePath("lo"), dateien.front()});
            QVERIFY(libreoffice.waitForFinished(120000) && libreoffice.exitCode() == 0);
            dateien << heim.filePath("lo/gleich." + format);
        }
#endif
        // What must agree, one line a sentence, the reference's kind and grade first.
        const auto gelesen = [&](const QString& datei) {
            const QString ohneEndung = heim.filePath("dokument");
            QFile::remove(ohneEndung);
            QFile::copy(datei, ohneEndung);
            const QJsonObject analyse =
                QJsonDocument::fromJson(
                    starten({"--analyse", "--format", "json", ohneEndung}).ausgabe)
                    .object();
            QStringList zeilen{analyse["art"].toString() + " " +
                               QString::number(analyse["gesamtnote"].toInt())};
            for (const QJsonValue satz : analyse["saetze"].toArray()) {
                zeilen << QString::number(satz["bereich"].toInt()) + " " +
                              QString::number(satz["note"].toInt()) + " " + satz["text"].toString();
            }
            return zeilen;
        };
        const QStringList soll = gelesen(dateien.front());
        QVERIFY2(soll.size() > 15 && soll.front().startsWith("endzeugnis "),
                 qPrintable(soll.join('\n')));
        for (const QString& datei : dateien) {
            QCOMPARE((datei + '\n' + gelesen(datei).join('\n')).toStdString(),
                     (datei + '\n' + soll.join('\n')).toStdString());
        }
    }

    // What no reader can read is refused with its message and exit status 1.
    void AnalyseMeldetUnlesbareDokumente() {
        for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/unlesbar.txt")) {
            const Programmlauf lauf = starten(
                {"--analyse", VELMORA_DATEN "/unlesbar/" + QString::fromStdString(zeile[0])});
            QCOMPARE(lauf.status, 1);
            QCOMPARE(lauf.ausgabe, "");
            QCOMPARE(lauf.fehler.toStdString(), "velmora: " + zeile[1] + "\n");
        }
    }
};

QTEST_GUILESS_MAIN(BefehlszeileTest)
#include "befehlszeile_test.moc"
