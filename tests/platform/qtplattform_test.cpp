#include "platform/dateigrund.h"
#include "platform/dateischicht.h"
#include "platform/qtplattform.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using velmora::Dateiart;
using velmora::Neuanlage;
namespace dateischicht = velmora::dateischicht;

class QtPlattformTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    velmora::QtPlattform plattform;

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    static QByteArray inhalt(const QString& pfad) {
        return dateischicht::lesen(pfad, Dateiart::Dokument, 1000).value_or("<fehlt>");
    }
    // Kind and mode of the entry itself, 0 when there is none.
    static mode_t eintrag(const QString& pfad) {
        struct stat daten {};
        return ::lstat(QFile::encodeName(pfad).constData(), &daten) == 0 ? daten.st_mode : 0;
    }
    static QStringList eintraege(const QString& ordner) {
        return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() {
        QVERIFY(dateischicht::ersetzen(pfad("zehn.txt"), Dateiart::Eigen, "0123456789", nullptr));
        QVERIFY(dateischicht::ersetzen(pfad(".versteckt"), Dateiart::Eigen, "x", nullptr));
        QVERIFY(QDir(ordner.path()).mkdir("ordner"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(pfad("konfiguration")));
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit fails instead
        ::umask(022);
    }

    void ZwischenablageHaeltNurKlartext() {
        auto* vorher = new QMimeData;
        vorher->setHtml("<b>alt</b>");
        QGuiApplication::clipboard()->setMimeData(vorher);
        const QString text = QStringLiteral("Herrn Müller\r\nDüsseldorf, den 30.06.2003");
        QVERIFY(plattform.zwischenablageSetzen(text));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // Read up to the limit; only a plain file that is not hidden counts as there.
    void LesenUndVorhanden() {
        for (const auto& [name, hoechstens, gelesen, vorhanden] :
             {std::tuple{"zehn.txt", 100, "0123456789", true},
              {"zehn.txt", 4, "0123", true},
              {".versteckt", 100, "x", false},
              {"ordner", 100, "<fehlt>", false},
              {"nichts/zehn.txt", 100, "<fehlt>", false}}) {
            QCOMPARE(plattform.dateiLesen(pfad(name), Dateiart::Dokument, hoechstens, nullptr)
                         .value_or("<fehlt>"),
                     gelesen);
            QCOMPARE(plattform.dateiVorhanden(pfad(name), Dateiart::Dokument), vorhanden);
        }
    }

    // The lock of a team folder that is not there says so; a hidden folder is like any other.
    void TeamordnerSperre() {
        const velmora::Sperrversuch fehlt = plattform.teamordnerSperren(pfad("nirgends"));
        QVERIFY2(!fehlt.sperre && fehlt.fehler.startsWith("Den Ordner gibt es nicht"),
                 qPrintable(fehlt.fehler));
        QVERIFY(QDir(ordner.path()).mkdir(".team"));
        QVERIFY(plattform.teamordnerSperren(pfad(".team")).sperre);
    }

    // A link, a FIFO or a folder in the place of one of the program's own files is neither
    // read nor written nor deleted, and says what it is; no file it names is touched, none is
    // created. As the name of a new document it counts as taken.
    void EigeneDateiNurAlsGewoehnlicheDatei() {
        for (const auto& [ziel, grund] : {std::pair{"geheim.txt", "symbolische Verknüpfung"},
                                          {"nirgends.txt", "symbolische Verknüpfung"},
                                          {"", "benannte Pipe"},
                                          {"", "Ordner"}}) {
            QTemporaryDir daten;
            const QString datei = daten.filePath("arbeitszeugnis.ini");
            QVERIFY(dateischicht::ersetzen(daten.filePath("geheim.txt"), Dateiart::Eigen, "geheim",
                                           nullptr));
            QVERIFY(*ziel ? QFile::link(daten.filePath(ziel), datei)
                    : QString(grund) == "Ordner"
                        ? QDir().mkdir(datei)
                        : ::mkfifo(QFile::encodeName(datei).constData(), 0600) == 0);
            const mode_t vorher = eintrag(datei);
            const QStringList vorherDa = eintraege(daten.path());

            QString fehler[3];
            QVERIFY(plattform.dateiVorhanden(datei, Dateiart::Eigen) &&
                    !plattform.dateiLesen(datei, Dateiart::Eigen, 100, &fehler[0]) &&
                    !plattform.dateiErsetzen(datei, Dateiart::Eigen, "neu", &fehler[1]) &&
                    !plattform.dateiLoeschen(datei, &fehler[2]));
            for (const QString& grundGenannt : fehler) {
                QVERIFY2(grundGenannt.contains(grund), qPrintable(grundGenannt));
            }
            QVERIFY(plattform.dateiNeuAnlegen(datei, Dateiart::Eigen, "neu", {}) ==
                        Neuanlage::Vorhanden &&
                    plattform.dateiNeuAnlegen(datei, Dateiart::Dokument, "neu", {}) ==
                        Neuanlage::Vorhanden);
            QCOMPARE(eintrag(datei), vorher);
            QCOMPARE(eintraege(daten.path()), vorherDa);
            QCOMPARE(inhalt(daten.filePath("geheim.txt")), "geheim");
        }
    }

    // A document may be a link: it is replaced and read at the file it names; the link stays.
    void DokumentFolgtVerknuepfung() {
        const QString zeugnis = pfad("Zeugnis.zeugnis");
        QVERIFY(QFile::link(pfad("ordner/Zeugnis.zeugnis"), zeugnis) &&
                plattform.dateiErsetzen(zeugnis, Dateiart::Dokument, "alt", nullptr));
        QVERIFY(S_ISLNK(eintrag(zeugnis)) &&
                plattform.dateiLesen(zeugnis, Dateiart::Dokument, 100, nullptr) == "alt");
    }

    // The program's own new files are the user's alone; a replaced file keeps its mode.
    void ModusDerDateien() {
        for (const auto& [art, neuAnlegen, vorher, nachher] :
             {std::tuple{Dateiart::Eigen, false, 0, 0600},
              {Dateiart::Eigen, false, 0664, 0664},
              {Dateiart::Eigen, true, 0, 0600},
              {Dateiart::Dokument, true, 0, 0644}}) {
            QTemporaryDir daten;
            const QString datei = daten.filePath("datei");
            if (vorher) {
                QVERIFY(dateischicht::ersetzen(datei, art, "alt", nullptr) &&
                        ::chmod(QFile::encodeName(datei).constData(), mode_t(vorher)) == 0);
            }
            QVERIFY(neuAnlegen
                        ? plattform.dateiNeuAnlegen(datei, art, "x", nullptr) == Neuanlage::Angelegt
                        : plattform.dateiErsetzen(datei, art, "x", nullptr));
            QCOMPARE(eintrag(datei) & 07777, mode_t(nachher));
        }
    }

    // A write cut short, here by the file size limit that binds root too, or a failed rename
    // (a full disk) leaves the old file and no temporary file, and says why in German.
    void ErsetzenGanzOderGarNicht() {
        for (const auto& [groesse, umbenennenScheitert, grund] :
             {std::tuple{64, false, "Die Datei ist zu groß für das erlaubte Dateigrößenlimit."},
              {100000, false, "Die Datei ist zu groß für das erlaubte Dateigrößenlimit."},
              {4, true, "Auf dem Datenträger ist kein Platz mehr."}}) {
            QTemporaryDir daten;
            const QString datei = daten.filePath("z.ini");
            QVERIFY(dateischicht::ersetzen(datei, Dateiart::Eigen, "alt", {}));
            rlimit vorher{};
            getrlimit(RLIMIT_FSIZE, &vorher);
            const rlimit eng{8, vorher.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
            const auto scheitert = [](const char*, const char*) { return errno = ENOSPC, -1; };
            QString fehler;
            const bool ersetzt =
                dateischicht::ersetzen(datei, Dateiart::Eigen, QByteArray(groesse, 'x'), &fehler,
                                       umbenennenScheitert ? +scheitert : ::rename);
            setrlimit(RLIMIT_FSIZE, &vorher);
            QVERIFY(!ersetzt);
            QCOMPARE(fehler, QString(grund));
            QCOMPARE(inhalt(datei), "alt");
            QCOMPARE(eintraege(daten.path()), QStringList{"z.ini"});
        }
    }

    // The common causes in a sentence of their own that names the file, German whatever the
    // locale; the others after the caller's frame.
    void Dateimeldungen() {
        const QString rahmen = "„%1“ geht nicht: %2";
        for (const auto& [nummer, schreibend, meldung] :
             {std::tuple{ENOENT, false, "Die Datei „/z“ gibt es nicht."},
              {EISDIR, true, "„/z“ ist ein Ordner, keine Datei."},
              {EACCES, false, "Keine Berechtigung für „/z“."},
              {EPERM, true, "Keine Berechtigung für „/z“."},
              {EDQUOT, true, "„/z“ geht nicht: Auf dem Datenträger ist kein Platz mehr."},
              {ENOENT, true, "„/z“ geht nicht: Den Ordner dafür gibt es nicht."},
              {EPROTO, false, "„/z“ geht nicht: Das System meldet den Fehler Nummer 71."}}) {
            QCOMPARE(velmora::dateimeldung(rahmen, "/z", velmora::systemgrund(nummer, schreibend)),
                     QString(meldung));
        }
    }

    // Beside the program where it can take a file, else in the configuration folder; the probe
    // file leaves nothing behind. Neither /proc nor a missing folder takes one, not even for root.
    void Datenordner() {
        const QString konfiguration = pfad("konfiguration/velmora");
        for (const auto& [programmordner, erwartet] :
             {std::pair{ordner.path(), ordner.path()},
              {QString("/proc"), konfiguration},
              {QString("/nicht/vorhanden/bin"), konfiguration}}) {
            QCOMPARE(velmora::datenordnerFuer(programmordner), erwartet);
            QVERIFY(QFileInfo(erwartet).isDir());
            QCOMPARE(
                QDir(programmordner).entryList({".velmora-probe*"}, QDir::Hidden | QDir::Files),
                QStringList());
        }
    }

    // Once chosen, the data folder stays: when the program's folder goes away, a save there
    // fails, to be reported, instead of moving to the configuration folder.
    void DatenordnerBleibtFuerDenLauf() {
        QTemporaryDir programm;
        velmora::QtPlattform laufend({programm.path(), {}});
        QCOMPARE(laufend.datenordner(), programm.path());
        QVERIFY(programm.remove() && laufend.datenordner() == programm.path());
        QVERIFY(!laufend.dateiErsetzen(programm.filePath("a.ini"), Dateiart::Eigen, "1", {}));
    }

    // The opener's exit status decides, and the answer comes through the event loop.
    void DokumentOeffnen() {
        for (const auto& [oeffner, geoeffnet] : {std::pair{"exit 0", true},
                                                 {"exit 1", false},
                                                 {"kill -KILL $$", false},
                                                 {"", false}}) {
            QTemporaryDir werkzeug;
            const QString skript = werkzeug.filePath("oeffner");
            if (*oeffner) {
                const QString text =
                    "#!/bin/sh\necho \"$1\" > \"$0.arg\"\n" + QString(oeffner) + "\n";
                QVERIFY(dateischicht::ersetzen(skript, Dateiart::Eigen, text.toUtf8(), nullptr) &&
                        QFile::setPermissions(skript, QFile::ReadOwner | QFile::ExeOwner));
            }
            velmora::QtPlattform desktop({ordner.path(), skript});
            QObject kontext;
            std::optional<bool> antwort;
            desktop.dokumentOeffnen(pfad("Zeugnis (2).doc"), &kontext,
                                    [&](bool ergebnis) { antwort = ergebnis; });
            QVERIFY(!antwort);
            QTRY_COMPARE(antwort, std::optional(geoeffnet));
            QCOMPARE(inhalt(skript + ".arg"),
                     *oeffner ? (pfad("Zeugnis (2).doc") + "\n").toUtf8() : "<fehlt>");
        }
    }
};

QTEST_MAIN(QtPlattformTest)
#include "qtplattform_test.moc"
