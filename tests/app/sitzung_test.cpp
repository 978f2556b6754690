// Nothing typed or handed over is lost: the recovery file, the program's own files with
// something else in their place, the handover file, the end the system asks for. Each fault
// injected through the recording platform.
#include "storage/wiederherstellung.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"
#include "support/zufallsbearbeitung.h"
#include "support/zufallszeugnis.h"

#include <QtWidgets>

#include <sys/stat.h>

using namespace velmora;

class SitzungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> s;

    std::optional<Wiederherstellung> wiederherstellung() const {
        const auto inhalt = s->lesen(wiederherstellungsdateiname);
        return inhalt ? wiederherstellungLesen(*inhalt) : std::nullopt;
    }

private slots:
    void init() { s = std::make_unique<test::Testfenster>(); }

    // Unused, nothing changes: no notice, the window's size, the settings file byte for
    // byte, and no recovery file left behind.
    void ungenutzt_bleibt_alles() {
        const QByteArray datei = QByteArray::fromStdString(beispieldatei());
        s->ablegen("arbeitszeugnis.ini", datei);
        s->starten();
        QVERIFY(s->hinweise().isEmpty());
        QVERIFY(!s->fenster->statusBar()->isVisible());
        QCOMPARE(s->fenster->height(),
                 s->fenster->menuBar()->height() + s->fenster->centralWidget()->height());
        QVERIFY(!s->lesen(wiederherstellungsdateiname));
        QVERIFY(s->fenster->close());
        QCOMPARE(s->lesen("arbeitszeugnis.ini"), datei);
        QCOMPARE(QDir(s->plattform->datenordnerPfad).entryList(QDir::Files),
                 QStringList({"arbeitszeugnis.ini", "zustand.json"}));
        QVERIFY(s->plattform->gefragt.isEmpty() && s->plattform->meldungen.isEmpty());
    }

    // Whatever a user changes, the recovery file holds what the window holds right after; a
    // crash then loses nothing, the next start says so, and a clean close removes the file.
    void jede_bearbeitung_gesichert() {
        s->starten();
        std::mt19937 zufall(5);
        for (int i = 0; i < 150; ++i) {
            test::zufaelligBearbeiten(*s->fenster, zufall);
            const std::optional<Wiederherstellung> stand = wiederherstellung();
            const std::array<int, 2> reiter = {s->fenster->reiter(untereLeiste),
                                               s->fenster->reiter(obereLeiste)};
            QVERIFY2(stand && stand->reiter == reiter &&
                         test::felder(stand->zeugnis.daten) == test::felder(s->fenster->daten()),
                     qPrintable(QString::number(i)));
        }
        const Zeugnisdaten vorher = s->fenster->daten();
        s->absturz();
        s->starten();
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(vorher));
        QCOMPARE(s->hinweise().size(), 1);
        QVERIFY(s->hinweise()[0].contains("wiederhergestellt"));
        QVERIFY(s->fenster->close());
        QVERIFY(!s->lesen(wiederherstellungsdateiname));
    }

    void eintrag_statt_eigener_datei_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("art");
        for (const char* name :
             {"arbeitszeugnis.ini", "zustand.json", "wiederherstellung.json", "übergabe.ini"}) {
            for (const char* art : {"Verknüpfung", "Verknüpfung ins Leere", "FIFO", "Ordner"}) {
                QTest::addRow("%s, %s", name, art) << QString(name) << QString(art);
            }
        }
    }

    // A link or anything else in a file's place is reported in the window and left exactly as
    // it was; what the user typed survives the close and the next start all the same.
    void eintrag_statt_eigener_datei() {
        QFETCH(QString, name);
        QFETCH(QString, art);
        const QString ziel = s->plattform->dokumentenordnerPfad + "/privat.txt";
        s->ablegen(ziel, "geheim\r\n", Dateiart::Dokument);
        const QByteArray eintrag = QFile::encodeName(s->pfad(name));
        if (art == "Verknüpfung") {
            QVERIFY(::symlink(QFile::encodeName(ziel), eintrag) == 0);
        } else if (art == "Verknüpfung ins Leere") {
            QVERIFY(::symlink(QFile::encodeName(ziel + ".neu"), eintrag) == 0);
        } else if (art == "FIFO") {
            QVERIFY(::mkfifo(eintrag, 0600) == 0);
        } else {
            QVERIFY(QDir().mkdir(s->pfad(name)));
        }
        struct stat vorher {};
        QVERIFY(::lstat(eintrag, &vorher) == 0);
        s->starten();
        QVERIFY2(s->hinweise().join('\n').contains(s->pfad(name)),
                 qPrintable(s->hinweise().join('\n')));
        s->eintippen(0, "Erika");
        QVERIFY(s->fenster->close());
        s->starten();
        QCOMPARE(s->fenster->text(0), "Erika");
        QVERIFY(s->fenster->close());
        struct stat nachher {};
        QVERIFY(::lstat(eintrag, &nachher) == 0);
        QCOMPARE(nachher.st_mode, vorher.st_mode);
        QCOMPARE(nachher.st_ino, vorher.st_ino);
        QCOMPARE(s->lesen(ziel), "geheim\r\n");
        QVERIFY(!QFile::exists(ziel + ".neu"));
        QVERIFY(s->plattform->meldungen.isEmpty());
    }

    // The handed-over texts are in the recovery file before the handover file goes; one that
    // stays is said so and never taken a second time over what the user typed since, not even
    // after a crash.
    void uebergabe_die_bleibt() {
        s->ablegen("übergabe.ini", "Jörg\r\nSchmidt\r\n");
        s->plattform->loeschenScheitert = true;
        s->starten();
        QCOMPARE(s->fenster->text(1), "Schmidt");
        QCOMPARE(wiederherstellung()->zeugnis.daten.texte[1], "Schmidt");
        QCOMPARE(s->hinweise().size(), 1);
        QVERIFY(s->hinweise()[0].contains(s->pfad("übergabe.ini")));
        s->eintippen(1, "Schulz");
        s->absturz();
        s->starten();
        QCOMPARE(s->fenster->text(1), "Schulz");
        QVERIFY(s->hinweise().join('\n').contains("nicht noch einmal"));
        s->plattform->loeschenScheitert = false;
        QVERIFY(s->fenster->close());
        s->starten();
        QVERIFY(!QFile::exists(s->pfad("übergabe.ini")));
        QCOMPARE(s->fenster->text(1), "Schulz");
        // The same content handed over anew is taken again.
        QVERIFY(s->fenster->close());
        s->ablegen("übergabe.ini", "Jörg\r\nSchmidt\r\n");
        s->starten();
        QCOMPARE(s->fenster->text(1), "Schmidt");
    }

    // Without the recovery file the handover file is the only copy: it stays for the next
    // start, and the close still keeps its texts in the settings file.
    void uebergabe_ohne_sicherung() {
        s->ablegen("übergabe.ini", "Jörg\r\n");
        s->plattform->umbenennenScheitert = true;
        s->starten();
        QCOMPARE(s->fenster->text(0), "Jörg");
        QVERIFY(QFile::exists(s->pfad("übergabe.ini")));
        QVERIFY(s->hinweise().join('\n').contains(s->pfad(wiederherstellungsdateiname)));
        s->plattform->umbenennenScheitert = false;
        s->fenster->textSetzen(0, "Erika");
        QVERIFY(s->fenster->close());
        s->starten();
        QCOMPARE(s->fenster->text(0), "Erika");
        QVERIFY(!QFile::exists(s->pfad("übergabe.ini")));
    }

    // A signal or the session's end saves as a close does without asking; the unsaved changes
    // of an open file wait in the recovery file for the next start. Last: it ends the event
    // loop.
    void sofort_beenden() {
        const QString datei = s->plattform->dokumentenordnerPfad + "/Mustermann, Hans.zeugnis";
        s->ablegen(datei, zeugnisdateiSchreiben(anfangsdaten()), Dateiart::Dokument);
        s->starten(datei);
        s->eintippen(0, "Erika");
        s->fenster->sofortBeenden();
        QVERIFY(s->plattform->gefragt.isEmpty());
        QVERIFY(s->lesen("arbeitszeugnis.ini")->contains("Erika"));
        QVERIFY(wiederherstellung()->geaendert);
        s->absturz();
        s->starten();
        QCOMPARE(s->fenster->offeneDatei(), datei);
        QVERIFY(s->fenster->ungespeichert() && s->fenster->isWindowModified());
        QCOMPARE(s->fenster->text(0), "Erika");
    }
};

QTEST_MAIN(SitzungTest)
#include "sitzung_test.moc"
