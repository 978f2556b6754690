// The program's life against the recording platform: what the start reads in its order, what
// a close saves, and that nothing typed or handed over is lost, whatever stands in the place of
// the program's own files and however the program ends.
#include "dialogs/kontakt.h"
#include "storage/eingabedatei.h"
#include "storage/wiederherstellung.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"

#include <QtWidgets>

using namespace velmora;

namespace {

const QString einstellungsdatei = "arbeitszeugnis.ini";

QByteArray bytes(const std::string& datei) {
    return QByteArray::fromStdString(datei);
}

// Notes the page opened and each file read, or that a window showed before.
class Protokollplattform : public FakePlattform {
public:
    QStringList protokoll;

    void notieren(const QString& was) {
        const auto sichtbar = [](QWidget* w) { return w->isVisible(); };
        protokoll.append(
            std::ranges::any_of(QApplication::topLevelWidgets(), sichtbar) ? "sichtbar!" : was);
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

    // The example clicked into the window is saved as the example file, byte for byte, on
    // every way out. Unused, nothing changes: no notice, no band, no recovery file, no other
    // file, and the settings file byte for byte.
    void BeispielAufJedemWeg() {
        for (const QString weg : {"cmdfertig(2)", "mnuBeenden", ""}) {
            init();
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
            if (weg.isEmpty()) {
                QVERIFY(s->fenster->close());
            } else {
                weg.startsWith("mnu") ? s->menue(weg) : s->klicken(weg);
            }
            QVERIFY(!s->fenster->isVisible());
            QCOMPARE(gespeichert(), bytes(beispieldatei()));
        }
        s->starten();
        QVERIFY(s->hinweise().isEmpty() && !s->fenster->statusBar()->isVisible());
        QVERIFY(!s->lesen(wiederherstellungsdateiname));
        QVERIFY(s->fenster->close());
        QCOMPARE(gespeichert(), bytes(beispieldatei()));
        QCOMPARE(QDir(s->plattform->datenordnerPfad).entryList(QDir::Files),
                 QStringList({einstellungsdatei, "zustand.json"}));
        QVERIFY(s->plattform->gefragt.isEmpty() && s->plattform->meldungen.isEmpty());
    }

    // What the window read is what it saves, and what the import makes of the file: blanks, ł,
    // no gender, grey flags and every group's last button; of two buttons chosen the last; of
    // a file of 50 lines what they hold.
    void DateiGibtWasSichLesenLaesst() {
        Einstellungen e;
        e.texte[0] = "  Jarosław ";
        e.reiter = {6, 2};
        for (int b = 0; b < anzahlBereiche; ++b) {
            e.knoepfe[b] = bewertungsbereiche[b].stufen() - 1;
            e.anzeige[b] = b % 3;
        }
        const std::string alles = einstellungenSchreiben(e);
        // Lines 51 and on, not in the file, as a new window has them.
        const Zeilenersatz fuenfzig = {{1, "-1"}, {2, "Erika"}, {83, "False"}, {86, "False"},
                                       {87, "0"}, {99, "0"},    {100, "0"}};
        for (const auto& [datei, soll] :
             {std::pair{alles, alles},
              {beispieldatei({{2, "Erika"}, {72, "True"}}),
               beispieldatei({{2, "Erika"}, {24, "False"}, {72, "True"}})},
              {beispieldatei({{1, "-1"}, {2, "Erika"}}, "\n", 50), beispieldatei(fuenfzig)}}) {
            init();
            s->ablegen(einstellungsdatei, bytes(datei));
            s->starten();
            QVERIFY(s->fenster->daten() == zeugnisAusEinstellungen(einstellungenLesen(datei)));
            QVERIFY(s->fenster->close());
            QCOMPARE(gespeichert(), bytes(soll));
        }
    }

    // A failed save keeps the old file and, the first time, the window with what was typed.
    void GescheitertesSpeichern() {
        s->ablegen(einstellungsdatei, "alt");
        s->starten();
        s->fenster->textSetzen(0, "Erika");
        s->plattform->ersetzenScheitert = "Auf dem Gerät ist kein Speicherplatz mehr";
        QVERIFY(!s->fenster->close() && s->fenster->text(0) == "Erika");
        QVERIFY(s->plattform->meldungen.value(0).contains("kein Speicherplatz") &&
                s->plattform->meldungen[0].contains(s->pfad(einstellungsdatei)));
        QVERIFY(s->fenster->close() && s->plattform->meldungen.size() == 2);
        QCOMPARE(gespeichert(), "alt");
    }

    // The page, the settings file, the state file, the recovery file, the handover file and
    // the file named, each read before the window shows and each taking over what it holds:
    // the handover the first ten texts and nothing else, then it is deleted. A file named wins;
    // the page is opened either way (here it fails when a file is named, to see "Fehler!").
    void Reihenfolge() {
        for (const bool mitDatei : {false, true}) {
            init();
            auto* protokoll = new Protokollplattform;
            s->plattform.reset(protokoll);
            protokoll->oeffnenGelingt = !mitDatei;
            s->ablegen(einstellungsdatei, bytes(beispieldatei()));
            s->ablegen("zustand.json", zustandSchreiben(Zustand()));
            Wiederherstellung stand;
            stand.zeugnis.daten = zeugnisAusEinstellungen(einstellungenLesen(beispieldatei()));
            stand.zeugnis.daten.art = Zeugnisart::Zwischenzeugnis;
            s->ablegen("wiederherstellung.json", wiederherstellungSchreiben(stand));
            const QString uebergabe = "Jörg|Schmidt|1.4.95|Würzburg|Lagerist|Lager & Co|Kassel|"
                                      "1.4.95|31.3.2004|31.03.2004|elf";
            s->ablegen("übergabe.ini", QString(uebergabe).replace('|', "\r\n").toLatin1());
            const QString datei = s->zeugnisAblegen("z.zeugnis");
            s->starten(mitDatei ? std::optional(datei) : std::nullopt);

            const QStringList gelesen = {
                kontakt::herausgeberWebseite, einstellungsdatei, "zustand.json",
                "wiederherstellung.json",     "übergabe.ini",    "z.zeugnis"};
            QCOMPARE(protokoll->protokoll, gelesen.mid(0, 5 + mitDatei));
            QCOMPARE(protokoll->meldungen.size(), int(mitDatei)); // "Fehler!"
            Zeugnisdaten soll = mitDatei ? Zeugnisdaten{} : stand.zeugnis.daten;
            for (int i = 0; i < anzahlEingaben && !mitDatei; ++i) {
                soll.texte[i] = uebergabe.section('|', i, i).toStdString();
            }
            QVERIFY(s->fenster->daten() == soll);
            QCOMPARE(s->fenster->vorschautext(1).startsWith("Frau Schmidt"), !mitDatei);
        }
    }

    // A link in the place of one of the program's own files is reported in the window and left
    // as it is, the file it names untouched; what the user typed survives the close and the
    // next start all the same.
    void VerknuepfungStattEigenerDatei() {
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
            QVERIFY(s->fenster->close() && s->plattform->meldungen.isEmpty());
            QVERIFY(QFileInfo(s->pfad(name)).symLinkTarget() == ziel &&
                    s->lesen(ziel) == "geheim\r\n");
        }
    }

    // The handed-over texts are in the recovery file before the handover file goes; one that
    // stays is said so and never taken a second time over what the user typed since, not even
    // after a crash.
    void UebergabeDieBleibt() {
        s->ablegen("übergabe.ini", "Jörg\r\nSchmidt\r\n");
        s->plattform->loeschenScheitert = true;
        s->starten();
        QVERIFY(s->fenster->text(1) == "Schmidt" &&
                wiederherstellung()->zeugnis.daten.texte[1] == "Schmidt");
        QVERIFY(s->hinweise().size() == 1 && s->hinweise()[0].contains(s->pfad("übergabe.ini")));
        s->eintippen(1, "Schulz");
        s->absturz();
        s->starten();
        QCOMPARE(s->fenster->text(1), "Schulz");
        QVERIFY(s->hinweise().join('\n').contains("nicht noch einmal"));
        s->plattform->loeschenScheitert = false;
        QVERIFY(s->fenster->close());
        s->starten();
        QVERIFY(!QFile::exists(s->pfad("übergabe.ini")) && s->fenster->text(1) == "Schulz");
        // The same content handed over anew is taken again.
        QVERIFY(s->fenster->close());
        s->ablegen("übergabe.ini", "Jörg\r\nSchmidt\r\n");
        s->starten();
        QCOMPARE(s->fenster->text(1), "Schmidt");
    }

    // Without the recovery file the handover file is the only copy: it stays for the next
    // start, and the close still keeps its texts in the settings file.
    void UebergabeOhneSicherung() {
        s->ablegen("übergabe.ini", "Jörg\r\n");
        s->plattform->umbenennenScheitert = true;
        s->starten();
        QVERIFY(s->fenster->text(0) == "Jörg" && QFile::exists(s->pfad("übergabe.ini")));
        QVERIFY(s->hinweise().join('\n').contains(s->pfad(wiederherstellungsdateiname)));
        s->plattform->umbenennenScheitert = false;
        s->fenster->textSetzen(0, "Erika");
        QVERIFY(s->fenster->close());
        s->starten();
        QVERIFY(s->fenster->text(0) == "Erika" && !QFile::exists(s->pfad("übergabe.ini")));
    }

    // A box left without a change leaves the recovery file alone, so that a full disk is not
    // said again at every box; the next change is written, and said when it cannot be.
    void SicherungNurBeiAenderung() {
        s->starten();
        s->eintippen(0, "Erika");
        QCOMPARE(wiederherstellung()->zeugnis.daten.texte[0], "Erika");
        s->plattform->ersetzenScheitert = "Auf dem Gerät ist kein Speicherplatz mehr";
        s->eintippen(0, "Erika");
        QVERIFY(s->hinweise().isEmpty());
        s->eintippen(0, "Erik");
        QVERIFY(s->hinweise().join('\n').contains("kein Speicherplatz"));
        s->plattform->ersetzenScheitert.reset();
        s->eintippen(0, "Erika");
        QCOMPARE(wiederherstellung()->zeugnis.daten.texte[0], "Erika");
    }

    // A signal or the session's end saves as a close does without asking; the unsaved changes
    // of an open file wait in the recovery file for the next start, which says so. Last: it
    // ends the event loop.
    void SofortBeenden() {
        const QString datei = s->zeugnisAblegen("Mustermann, Hans.zeugnis", anfangsdaten());
        s->starten(datei);
        s->eintippen(0, "Erika");
        s->fenster->sofortBeenden();
        QVERIFY(s->plattform->gefragt.isEmpty() && wiederherstellung()->geaendert &&
                s->lesen(einstellungsdatei)->contains("Erika"));
        s->absturz();
        s->starten();
        QVERIFY(s->hinweise().join('\n').contains("wiederhergestellt") &&
                s->fenster->offeneDatei() == datei && s->fenster->text(0) == "Erika");
        QVERIFY(s->fenster->ungespeichert() && s->fenster->isWindowModified());
    }
};

QTEST_MAIN(SitzungTest)
#include "sitzung_test.moc"
