// The program's life against the recording platform: what the start reads in its order, what
// a close saves, and that nothing typed or handed over is lost, whatever stands in the place of
// the program's own files and however the program ends.
#include "dialogs/kontakt.h"
#include "storage/eingabedatei.h"
#include "storage/wiederherstellung.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"
#include "support/zufallsbearbeitung.h"
#include "support/zufallszeugnis.h"

#include <QtWidgets>

using namespace velmora;

namespace {

const QString einstellungsdatei = "arbeitszeugnis.ini";

QByteArray bytes(const Einstellungen& zustand) {
    return QByteArray::fromStdString(einstellungenSchreiben(zustand));
}

// Notes the page opened and each file read, or that a window showed before.
class Protokollplattform : public FakePlattform {
public:
    QStringList protokoll;

    void notieren(const QString& was) {
        const bool sichtbar = std::ranges::any_of(QApplication::topLevelWidgets(),
                                                  [](QWidget* w) { return w->isVisible(); });
        protokoll.append(sichtbar ? "sichtbar!" : was);
    }
    bool oeffnen(const QString& adresse) override {
        notieren(adresse);
        return FakePlattform::oeffnen(adresse);
    }
    std::optional<QByteArray> dateiLesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                         QString* fehler) override {
        notieren(QFileInfo(pfad).fileName());
        return FakePlattform::dateiLesen(pfad, art, hoechstens, fehler);
    }
};

} // namespace

class SitzungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> s;

    std::optional<Wiederherstellung> wiederherstellung() const {
        const auto inhalt = s->lesen(wiederherstellungsdateiname);
        return inhalt ? wiederherstellungLesen(*inhalt) : std::nullopt;
    }
    QByteArray gespeichert() const { return s->lesen(einstellungsdatei).value_or("(keine)"); }

private slots:
    void init() { s = std::make_unique<test::Testfenster>(); }

    void beispiel_auf_jedem_weg_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf Beenden") << "cmdfertig(2)";
        QTest::newRow("Menü Beenden") << "mnuBeenden";
        QTest::newRow("Schließfeld") << QString();
    }

    // The example clicked into the window is saved as the example file, byte for byte, on
    // every way out. Unused, nothing changes: no notice, no band, no recovery file, no other
    // file, and the settings file byte for byte.
    void beispiel_auf_jedem_weg() {
        QFETCH(QString, weg);
        s->starten();
        s->fenster->geschlechtWaehlen(frau);
        for (const auto& [bereich, name] : {std::pair{1, "opt1(1)"},
                                            {1, "chkAnz(0)"},
                                            {12, "opt12(2)"},
                                            {13, "opt13(5)"},
                                            {13, "chkAnz(12)"}}) {
            s->fenster->reiterSetzen(untereLeiste, bereich - 1);
            s->klicken(name);
        }
        if (weg.startsWith("mnu")) {
            s->menue(weg);
        } else if (!weg.isEmpty()) {
            s->klicken(weg);
        } else {
            QVERIFY(s->fenster->close());
        }
        QVERIFY(!s->fenster->isVisible());
        const QByteArray beispiel = QByteArray::fromStdString(beispieldatei());
        QCOMPARE(gespeichert(), beispiel);

        s->starten();
        QVERIFY(s->hinweise().isEmpty() && !s->fenster->statusBar()->isVisible());
        QCOMPARE(s->fenster->height(),
                 s->fenster->menuBar()->height() + s->fenster->centralWidget()->height());
        QVERIFY(!s->lesen(wiederherstellungsdateiname));
        QVERIFY(s->fenster->close());
        QCOMPARE(gespeichert(), beispiel);
        QCOMPARE(QDir(s->plattform->datenordnerPfad).entryList(QDir::Files),
                 QStringList({einstellungsdatei, "zustand.json"}));
        QVERIFY(s->plattform->gefragt.isEmpty() && s->plattform->meldungen.isEmpty());
    }

    void datei_gibt_was_sich_lesen_laesst_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("gespeichert");
        Einstellungen e = beispielzustand();
        e.texte[0] = "  Jarosław ";
        e.texte[3] = " Köln";
        e.texte[6] = "";
        e.reiter = {6, 2};
        e.geschlecht = keinGeschlecht;
        for (int b = 0; b < anzahlBereiche; ++b) {
            e.knoepfe[b] = bewertungsbereiche[b].stufen() - 1;
            e.anzeige[b] = b % 3;
        }
        QTest::newRow("Blanks, ł, ohne Geschlecht, grau, letzte Knöpfe") << bytes(e) << bytes(e);
        // Lines of the example, its first name one the window does not start with.
        e = beispielzustand();
        e.texte[0] = "Erika";
        e.knoepfe[0] = 5;
        QTest::newRow("zweimal True")
            << QByteArray::fromStdString(beispieldatei({{2, "Erika"}, {72, "True"}})) << bytes(e);
        e.geschlecht = keinGeschlecht;
        e.knoepfe = {1};
        e.anzeige = {};
        e.reiter = {};
        QTest::newRow("50 Zeilen")
            << QByteArray::fromStdString(beispieldatei({{1, "-1"}, {2, "Erika"}}, "\n", 50))
            << bytes(e);
    }

    // What the window read is what it saves, and what the import makes of the file.
    void datei_gibt_was_sich_lesen_laesst() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, gespeichert);
        s->ablegen(einstellungsdatei, datei);
        s->starten();
        QVERIFY(test::felder(s->fenster->daten()) ==
                test::felder(zeugnisAusEinstellungen(einstellungenLesen(datei.toStdString()))));
        QVERIFY(s->fenster->close());
        QCOMPARE(this->gespeichert(), gespeichert);
    }

    // A failed save keeps the old file and, the first time, the window with what was typed.
    void gescheitertes_speichern() {
        s->ablegen(einstellungsdatei, "alt");
        s->starten();
        s->fenster->textSetzen(0, "Erika");
        s->plattform->ersetzenScheitert = "Auf dem Gerät ist kein Speicherplatz mehr";
        QVERIFY(!s->fenster->close());
        QCOMPARE(s->fenster->text(0), "Erika");
        QVERIFY(s->plattform->meldungen.value(0).text.contains("kein Speicherplatz") &&
                s->plattform->meldungen[0].text.contains(s->pfad(einstellungsdatei)));
        QVERIFY(s->fenster->close());
        QCOMPARE(s->plattform->meldungen.size(), 2);
        QCOMPARE(gespeichert(), "alt");
    }

    void reihenfolge_data() {
        QTest::addColumn<bool>("mitDatei");
        QTest::newRow("ohne Datei") << false;
        QTest::newRow("mit Datei, Seite nicht geöffnet") << true;
    }

    // The page, the settings file, the state file, the recovery file, the handover file and
    // the file named, each read before the window shows and each taking over what it holds:
    // the handover the first ten texts and nothing else, then it is deleted.
    void reihenfolge() {
        QFETCH(bool, mitDatei);
        auto* protokoll = new Protokollplattform;
        s->plattform.reset(protokoll);
        protokoll->oeffnenGelingt = !mitDatei;
        s->ablegen(einstellungsdatei, QByteArray::fromStdString(beispieldatei()));
        Zustand zustand;
        zustand.zusatz.aufgaben.bereich = "Lager";
        s->ablegen("zustand.json", zustandSchreiben(zustand));
        Wiederherstellung stand;
        stand.zeugnis.daten = zeugnisAusEinstellungen(einstellungenLesen(beispieldatei()));
        stand.zeugnis.daten.art = Zeugnisart::Zwischenzeugnis;
        s->ablegen("wiederherstellung.json", wiederherstellungSchreiben(stand));
        const QStringList texte = QString("Jörg|Schmidt|1.4.95|Würzburg|Lagerist|Lager & Co|Kassel|"
                                          "1.4.95|31.3.2004|31.03.2004|elf|zwölf")
                                      .split('|');
        s->ablegen("übergabe.ini", texte.join("\r\n").toLatin1());
        const QString datei = s->dokument("z.zeugnis");
        s->ablegen(datei, zeugnisdateiSchreiben({}), Dateiart::Dokument);
        s->starten(mitDatei ? std::optional(datei) : std::nullopt);

        QStringList erwartet = {kontakt::herausgeberWebseite, einstellungsdatei, "zustand.json",
                                "wiederherstellung.json", "übergabe.ini"};
        if (mitDatei) {
            erwartet.append("z.zeugnis");
        }
        QCOMPARE(protokoll->protokoll, erwartet);
        QCOMPARE(protokoll->meldungen.size(), int(mitDatei)); // "Fehler!"
        QVERIFY(!QFile::exists(s->pfad("übergabe.ini")));
        Zeugnisdaten soll = mitDatei ? Zeugnisdaten{} : stand.zeugnis.daten;
        for (int i = 0; i < anzahlEingaben && !mitDatei; ++i) {
            soll.texte[i] = texte[i].toStdString();
        }
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(soll));
        QCOMPARE(s->fenster->vorschautext(1).startsWith("Frau Schmidt"), !mitDatei);
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

    // A link in the place of one of the program's own files is reported in the window and left
    // as it is, the file it names untouched; what the user typed survives the close and the
    // next start all the same.
    void verknuepfung_statt_eigener_datei() {
        for (const QString name :
             {"arbeitszeugnis.ini", "zustand.json", "wiederherstellung.json", "übergabe.ini"}) {
            init();
            const QString ziel = s->dokument("privat.txt");
            s->ablegen(ziel, "geheim\r\n", Dateiart::Dokument);
            QVERIFY(QFile::link(ziel, s->pfad(name)));
            s->starten();
            QVERIFY2(s->hinweise().join('\n').contains(s->pfad(name)), qPrintable(name));
            s->eintippen(0, "Erika");
            QVERIFY(s->fenster->close());
            s->starten();
            QCOMPARE(s->fenster->text(0), "Erika");
            QVERIFY(s->fenster->close());
            QCOMPARE(QFileInfo(s->pfad(name)).symLinkTarget(), ziel);
            QCOMPARE(s->lesen(ziel), "geheim\r\n");
            QVERIFY(s->plattform->meldungen.isEmpty());
        }
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
        const QString datei = s->dokument("Mustermann, Hans.zeugnis");
        s->ablegen(datei, zeugnisdateiSchreiben(anfangsdaten()), Dateiart::Dokument);
        s->starten(datei);
        s->eintippen(0, "Erika");
        s->fenster->sofortBeenden();
        QVERIFY(s->plattform->gefragt.isEmpty());
        QVERIFY(s->lesen(einstellungsdatei)->contains("Erika"));
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
