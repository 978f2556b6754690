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
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using velmora::Dateiart;
using velmora::Neuanlage;
namespace dateischicht = velmora::dateischicht;

class QtPlattformTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    velmora::QtPlattform plattform;

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    QByteArray inhalt(const QString& name) {
        return plattform.dateiLesen(pfad(name), Dateiart::Dokument, 1000, nullptr)
            .value_or("<fehlt>");
    }
    static mode_t art(const QString& pfad) {
        struct stat eintrag {};
        return ::lstat(QFile::encodeName(pfad).constData(), &eintrag) == 0
                   ? eintrag.st_mode & S_IFMT
                   : 0;
    }
    static mode_t modus(const QString& pfad) {
        struct stat eintrag {};
        ::lstat(QFile::encodeName(pfad).constData(), &eintrag);
        return eintrag.st_mode & 07777;
    }
    static QStringList eintraege(const QString& ordner) {
        return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot);
    }
    // What a user, another program or an attacker may leave in the place of a file.
    static bool eintragAnlegen(const QString& art, const QString& pfad, const QString& ziel) {
        const QByteArray name = QFile::encodeName(pfad);
        if (art == "Verknüpfung") {
            return QFile::link(ziel, pfad);
        }
        if (art == "FIFO") {
            return ::mkfifo(name.constData(), 0600) == 0;
        }
        if (art == "Ordner") {
            return QDir().mkdir(pfad);
        }
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        qstrncpy(adresse.sun_path, name.constData(), sizeof adresse.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool gebunden =
            ::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
        ::close(fd);
        return gebunden;
    }

private slots:
    void initTestCase() {
        QCOMPARE(
            plattform.dateiNeuAnlegen(pfad("zehn.txt"), Dateiart::Dokument, "0123456789", nullptr),
            Neuanlage::Angelegt);
        QCOMPARE(plattform.dateiNeuAnlegen(pfad(".versteckt"), Dateiart::Dokument, "x", nullptr),
                 Neuanlage::Angelegt);
        QVERIFY(QDir(ordner.path()).mkdir("ordner"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(pfad("konfiguration")));
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit fails instead
        ::umask(022);
    }

    void zwischenablageHaeltNurKlartext() {
        auto* vorher = new QMimeData;
        vorher->setHtml("<b>alt</b>");
        QGuiApplication::clipboard()->setMimeData(vorher);
        const QString text = QStringLiteral("Herrn Müller\r\nDüsseldorf, den 30.06.2003");
        QVERIFY(plattform.zwischenablageSetzen(text));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void lesenUndVorhanden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("hoechstens");
        QTest::addColumn<QByteArray>("gelesen");
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("ganz") << "zehn.txt" << qint64(100) << QByteArray("0123456789") << true;
        QTest::newRow("gekappt") << "zehn.txt" << qint64(4) << QByteArray("0123") << true;
        QTest::newRow("versteckt") << ".versteckt" << qint64(100) << QByteArray("x") << false;
        QTest::newRow("ordner") << "ordner" << qint64(100) << QByteArray("<fehlt>") << false;
        QTest::newRow("fehlt") << "nichts/zehn.txt" << qint64(100) << QByteArray("<fehlt>")
                               << false;
    }
    void lesenUndVorhanden() {
        QFETCH(QString, name);
        QFETCH(qint64, hoechstens);
        QFETCH(QByteArray, gelesen);
        QFETCH(bool, vorhanden);
        QCOMPARE(plattform.dateiLesen(pfad(name), Dateiart::Dokument, hoechstens, nullptr)
                     .value_or("<fehlt>"),
                 gelesen);
        QCOMPARE(plattform.dateiVorhanden(pfad(name), Dateiart::Dokument), vorhanden);
    }

    // A link, a FIFO, a folder or a socket in the place of one of the program's own files is
    // neither read nor written nor deleted, and says what it is; no file it names is touched,
    // none is created. As a candidate name of a new document it counts as taken.
    void eigeneDateiNurAlsGewoehnlicheDatei_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Verknüpfung auf eine Datei") << "Verknüpfung"
                                                    << "geheim.txt"
                                                    << "symbolische Verknüpfung";
        QTest::newRow("Verknüpfung ins Leere") << "Verknüpfung"
                                               << "nirgends.txt"
                                               << "symbolische Verknüpfung";
        QTest::newRow("FIFO") << "FIFO"
                              << ""
                              << "benannte Pipe";
        QTest::newRow("Ordner") << "Ordner"
                                << ""
                                << "Ordner";
        QTest::newRow("Socket") << "Socket"
                                << ""
                                << "Socket";
    }
    void eigeneDateiNurAlsGewoehnlicheDatei() {
        QFETCH(QString, eintrag);
        QFETCH(QString, ziel);
        QFETCH(QString, grund);
        QTemporaryDir daten;
        const QString datei = daten.filePath("arbeitszeugnis.ini");
        const QString zielpfad = daten.filePath(ziel);
        if (ziel == "geheim.txt") {
            QVERIFY(dateischicht::ersetzen(zielpfad, Dateiart::Dokument, "geheim", nullptr));
        }
        QVERIFY(eintragAnlegen(eintrag, datei, zielpfad));
        const mode_t vorher = art(datei);
        const QStringList vorherDa = eintraege(daten.path());

        QVERIFY(plattform.dateiVorhanden(datei, Dateiart::Eigen));
        QString fehler;
        QVERIFY(!plattform.dateiLesen(datei, Dateiart::Eigen, 100, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        fehler.clear();
        QVERIFY(!plattform.dateiErsetzen(datei, Dateiart::Eigen, "neu", &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        fehler.clear();
        QVERIFY(!plattform.dateiLoeschen(datei, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        for (const Dateiart dateiart : {Dateiart::Eigen, Dateiart::Dokument}) {
            QCOMPARE(plattform.dateiNeuAnlegen(datei, dateiart, "neu", nullptr),
                     Neuanlage::Vorhanden);
        }

        QCOMPARE(art(datei), vorher);
        QCOMPARE(eintraege(daten.path()), vorherDa);
        if (ziel == "geheim.txt") {
            QCOMPARE(dateischicht::lesen(zielpfad, Dateiart::Dokument, 100), "geheim");
        }
    }

    // A document may be a link: it is read and replaced at the file it names, and the link
    // stays. A FIFO under a document's name is no document and is not waited on.
    void dokumentFolgtVerknuepfung() {
        QTemporaryDir dokumente;
        const QString zeugnis = dokumente.filePath("Zeugnis.zeugnis");
        const QString ziel = dokumente.filePath("archiv/Zeugnis.zeugnis");
        QVERIFY(QDir(dokumente.path()).mkdir("archiv"));
        QVERIFY(dateischicht::ersetzen(ziel, Dateiart::Dokument, "alt", nullptr));
        QVERIFY(QFile::link(ziel, zeugnis));
        QVERIFY(plattform.dateiVorhanden(zeugnis, Dateiart::Dokument));
        QCOMPARE(plattform.dateiLesen(zeugnis, Dateiart::Dokument, 100, nullptr), "alt");
        QVERIFY(plattform.dateiErsetzen(zeugnis, Dateiart::Dokument, "neu", nullptr));
        QCOMPARE(art(zeugnis), mode_t(S_IFLNK));
        QCOMPARE(dateischicht::lesen(ziel, Dateiart::Dokument, 100), "neu");

        const QString fifo = dokumente.filePath("fifo.doc");
        QVERIFY(eintragAnlegen("FIFO", fifo, {}));
        QVERIFY(!plattform.dateiVorhanden(fifo, Dateiart::Dokument));
        QVERIFY(!plattform.dateiLesen(fifo, Dateiart::Dokument, 100, nullptr));
    }

    // The program's own new files are the user's alone; a replaced file keeps its mode.
    void modusDerDateien_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("neuAnlegen");
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("nachher");
        const int eigen = int(Dateiart::Eigen);
        const int dokument = int(Dateiart::Dokument);
        QTest::newRow("eigene, ersetzt, neu") << eigen << false << 0 << 0600;
        QTest::newRow("eigene, ersetzt, war 0644") << eigen << false << 0644 << 0644;
        QTest::newRow("eigene, ersetzt, war 0660") << eigen << false << 0660 << 0660;
        QTest::newRow("eigene, neu angelegt") << eigen << true << 0 << 0600;
        QTest::newRow("Dokument, neu angelegt") << dokument << true << 0 << 0644;
        QTest::newRow("Dokument, ersetzt, neu") << dokument << false << 0 << 0644;
    }
    void modusDerDateien() {
        QFETCH(int, art);
        QFETCH(bool, neuAnlegen);
        QFETCH(int, vorher);
        QFETCH(int, nachher);
        QTemporaryDir daten;
        const QString datei = daten.filePath("datei");
        if (vorher) {
            QVERIFY(dateischicht::ersetzen(datei, Dateiart::Eigen, "alt", nullptr));
            QCOMPARE(::chmod(QFile::encodeName(datei).constData(), mode_t(vorher)), 0);
        }
        QVERIFY(neuAnlegen ? plattform.dateiNeuAnlegen(datei, Dateiart(art), "x", nullptr) ==
                                 Neuanlage::Angelegt
                           : plattform.dateiErsetzen(datei, Dateiart(art), "x", nullptr));
        QCOMPARE(modus(datei), mode_t(nachher));
    }

    void ersetzenGanzOderGarNicht_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("umbenennenScheitert");
        QTest::newRow("klein") << 64 << false;
        QTest::newRow("gross") << 100000 << false;
        QTest::newRow("Umbenennen scheitert") << 4 << true;
    }
    // A write cut short, here by the file size limit that binds root too, or a rename that
    // fails leaves the old file and no temporary file behind.
    void ersetzenGanzOderGarNicht() {
        QFETCH(int, groesse);
        QFETCH(bool, umbenennenScheitert);
        QTemporaryDir daten;
        const QString datei = daten.filePath("z.ini");
        QVERIFY(
            plattform.dateiErsetzen(datei, Dateiart::Eigen, "eine lange alte Fassung", nullptr));
        QVERIFY(plattform.dateiErsetzen(datei, Dateiart::Eigen, "alt", nullptr));
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        const rlimit eng{8, vorher.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        QString fehler;
        const bool ersetzt = dateischicht::ersetzen(
            datei, Dateiart::Eigen, QByteArray(groesse, 'x'), &fehler,
            umbenennenScheitert ? [](const char*, const char*) {
                errno = EIO;
                return -1;
            }
                                : ::rename);
        setrlimit(RLIMIT_FSIZE, &vorher);
        QVERIFY(!ersetzt);
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(dateischicht::lesen(datei, Dateiart::Eigen, 100), "alt");
        QCOMPARE(eintraege(daten.path()), QStringList{"z.ini"});
    }

    void datenordner_data() {
        QTest::addColumn<QString>("programmordner");
        QTest::addColumn<QString>("erwartet");
        const QString konfiguration = pfad("konfiguration/velmora");
        QTest::newRow("beschreibbar") << ordner.path() << ordner.path();
        // Neither can take a file, not even for root.
        QTest::newRow("proc") << "/proc" << konfiguration;
        QTest::newRow("fehlt") << "/nicht/vorhanden/bin" << konfiguration;
    }
    void datenordner() {
        QFETCH(QString, programmordner);
        QFETCH(QString, erwartet);
        QCOMPARE(velmora::datenordnerFuer(programmordner), erwartet);
        QVERIFY(QFileInfo(erwartet).isDir());
        // The probe file leaves nothing behind.
        QCOMPARE(QDir(programmordner).entryList({".velmora-probe*"}, QDir::Hidden | QDir::Files),
                 QStringList());
    }

    // Once chosen, the data folder stays: when the program's folder goes away, saving there
    // fails and is reported instead of moving to the configuration folder.
    void datenordnerBleibtFuerDenLauf() {
        QTemporaryDir wurzel;
        const QString programm = wurzel.filePath("programm");
        QVERIFY(QDir().mkdir(programm));
        velmora::QtPlattform laufend({programm, {}});
        QCOMPARE(laufend.datenordner(), programm);
        QVERIFY(QDir(programm).removeRecursively());
        QCOMPARE(laufend.datenordner(), programm);
        QString fehler;
        QVERIFY(!laufend.dateiErsetzen(programm + "/arbeitszeugnis.ini", Dateiart::Eigen, "1",
                                       &fehler));
        QVERIFY(!fehler.isEmpty());
    }

    // The opener's exit status decides, and the answer comes through the event loop.
    void dokumentOeffnen_data() {
        QTest::addColumn<QString>("oeffner");
        QTest::addColumn<bool>("geoeffnet");
        QTest::newRow("Status 0") << "exit 0" << true;
        QTest::newRow("Status 1") << "exit 1" << false;
        QTest::newRow("abgestürzt") << "kill -KILL $$" << false;
        QTest::newRow("nicht startbar") << "" << false;
    }
    void dokumentOeffnen() {
        QFETCH(QString, oeffner);
        QFETCH(bool, geoeffnet);
        QTemporaryDir werkzeug;
        const QString skript = werkzeug.filePath("oeffner");
        if (!oeffner.isEmpty()) {
            QFile datei(skript);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(("#!/bin/sh\necho \"$1\" > \"$0.arg\"\n" + oeffner + "\n").toUtf8());
            datei.close();
            QVERIFY(datei.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        velmora::QtPlattform desktop({ordner.path(), skript});
        QObject kontext;
        std::optional<bool> antwort;
        desktop.dokumentOeffnen(pfad("Zeugnis (2).doc"), &kontext,
                                [&](bool ergebnis) { antwort = ergebnis; });
        QVERIFY(!antwort);
        QTRY_VERIFY(antwort.has_value());
        QCOMPARE(*antwort, geoeffnet);
        if (!oeffner.isEmpty()) {
            QCOMPARE(dateischicht::lesen(skript + ".arg", Dateiart::Dokument, 1000),
                     (pfad("Zeugnis (2).doc") + "\n").toUtf8());
        }
    }
};

QTEST_MAIN(QtPlattformTest)
#include "qtplattform_test.moc"
