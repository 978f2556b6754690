// Reference files as documents of the window: saving and opening them, the question about
// unsaved changes, the title, the files opened last, a new reference, the import and a second
// start's file; the file menu speaks German.
#include "app/startdatei.h"
#include "app/uebersetzung.h"
#include "files/textzeilen.h"
#include "output/zeugnisaufbau.h"
#include "storage/firmenprofil.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"
#include "support/zufallszeugnis.h"
#include "ui/reiterfeld.h"
#include "window/zeugnisladen.h"

#include <QtWidgets>

using namespace velmora;

class ZeugnisdateienTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> s;

    // A reference file in the documents folder, opened in a window just started.
    QString geoeffnet(const QString& name, const Zeugnisdaten& daten = anfangsdaten()) {
        s->starten(s->zeugnisAblegen(name, daten));
        return s->dokument(name);
    }

private slots:
    void init() { s = std::make_unique<test::Testfenster>(); }

    // Random references go through the window unchanged: file, window, file, the same bytes.
    // Each shows its own previews and kind, whatever the one before showed.
    void RundreiseDurchDasFenster() {
        s->starten();
        std::mt19937 zufall(2026);
        for (int i = 0; i < 20; ++i) {
            const Zeugnisdaten daten = test::zufallszeugnis(zufall, false);
            const QString datei = s->zeugnisAblegen(QString("rund%1.zeugnis").arg(i), daten);
            QVERIFY(s->fenster->zeugnisOeffnen(datei));
            QCOMPARE(s->fenster->angezeigteVorschautexte(), komponierteVorschautexte(daten));
            QCOMPARE(s->element<Reiterfeld>("tabang(0)")->beschriftung(beendigungsgrund - 1),
                     QString::fromUtf8(bewertungsbereich(beendigungsgrund).reiterFuer(daten.art)));
            s->menue("mnuSpeichern");
            QCOMPARE(s->lesen(datei).value(), zeugnisdateiSchreiben(daten));
        }
    }

    // Members this version does not know survive a change and a save.
    void UnbekanntesBleibt() {
        const QString datei = s->dokument("neu.zeugnis");
        s->ablegen(datei, R"({"format": "velmora-zeugnis", "zukunft": 7, "angaben": {"x": 8}})",
                   Dateiart::Dokument);
        s->starten(datei);
        s->eintippen(0, "Erika");
        s->menue("mnuSpeichern");
        const QByteArray gespeichert = s->lesen(datei).value();
        for (const char* darin : {"\"zukunft\": 7", "\"x\": 8", "\"vorname\": \"Erika\""}) {
            QVERIFY2(gespeichert.contains(darin), darin);
        }
    }

    // A broken file is refused with its name and why; the window keeps its file and its title,
    // the change discarded.
    void KaputteDatei() {
        geoeffnet("offen.zeugnis");
        const Zeugnisdaten vorher = s->fenster->daten();
        s->eintippen(0, "Erika");
        const QString titel = s->fenster->windowTitle();
        const QString kaputt = s->dokument("kaputt.zeugnis");
        s->ablegen(kaputt, "{\"format\": \"velmora-zeugnis\", \"ang", Dateiart::Dokument);
        s->plattform->antworten = {1}; // discard the change to offen.zeugnis
        QVERIFY(!s->fenster->zeugnisOeffnen(kaputt));
        QVERIFY(s->plattform->meldungen.size() == 1 &&
                s->plattform->meldungen[0].contains("„" + kaputt + "“"));
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(vorher));
        QCOMPARE(s->fenster->windowTitle(), titel);
        QVERIFY(!s->fenster->isWindowModified());
    }

    // "Verwerfen" discards: whether the window closes, or a file to open is not chosen and the
    // program then crashes, the next start shows the open file as it was saved.
    void VerwerfenUndNeustart() {
        for (const bool schliessen : {true, false}) {
            init();
            const QString offen = geoeffnet("offen.zeugnis");
            s->eintippen(0, "Erika");
            s->plattform->antworten = {1};
            if (schliessen) {
                QVERIFY(s->fenster->close());
            } else {
                s->menue("mnuOeffnen");
                s->absturz();
            }
            s->starten();
            QCOMPARE(s->fenster->offeneDatei(), offen);
            QCOMPARE(s->fenster->text(0), "Hans");
            QVERIFY(!s->fenster->isWindowModified());
        }
    }

    // Unsaved changes to the open file are asked about once before "Neu", "Öffnen" and the
    // close: saved (0), discarded (1), or the action does not happen (2, Escape).
    void Frage() {
        for (const QString aktion : {"mnuNeuEndzeugnis", "mnuOeffnen", "Schließen"}) {
            for (const int antwort : {0, 1, 2, -1}) {
                init();
                const QString anderes = s->zeugnisAblegen("anderes.zeugnis");
                const QString offen = geoeffnet("offen.zeugnis");
                s->eintippen(0, "Erika");
                s->plattform->antworten = {antwort};
                s->plattform->dateiantworten = {anderes};
                const bool ausgefuehrt = antwort == 0 || antwort == 1;
                if (aktion == "Schließen") {
                    QCOMPARE(s->fenster->close(), ausgefuehrt);
                } else {
                    s->menue(aktion);
                    QCOMPARE(s->fenster->text(0) != "Erika", ausgefuehrt);
                }
                QCOMPARE(s->plattform->gefragt.size(), 1 + (aktion == "mnuOeffnen" && ausgefuehrt));
                QVERIFY(s->plattform->gefragt[0].contains("„offen“"));
                QCOMPARE(s->lesen(offen)->contains("Erika"), antwort == 0);
            }
        }
    }

    // The title names the open file and marks changes not saved to it; the files opened last
    // are in the menu, the newest first, kept to the next start; one that is gone is dropped.
    void TitelUndZuletztGeoeffnet() {
        s->starten();
        QCOMPARE(s->fenster->windowTitle(), "Velmora");
        for (const QString name : {"a", "b", "c", "d", "e", "f", "g", "h", "i & j"}) {
            QVERIFY(s->fenster->zeugnisOeffnen(s->zeugnisAblegen(name + ".zeugnis")));
        }
        s->eintippen(3, "Bonn");
        QVERIFY(s->fenster->windowTitle() == "i & j[*] – Velmora" &&
                s->fenster->isWindowModified());
        s->menue("mnuSpeichern");
        QVERIFY(!s->fenster->isWindowModified() && s->fenster->close());
        s->starten();
        QCOMPARE(s->fenster->windowTitle(), "i & j[*] – Velmora");
        const auto eintrag = [&](int i) {
            return s->fenster->findChild<QAction*>(QString("mnuZuletzt(%1)").arg(i));
        };
        QCOMPARE(eintrag(0)->text(), "&1 i && j.zeugnis");
        QCOMPARE(eintrag(7)->text(), "&8 b.zeugnis");
        QVERIFY(QFile::remove(s->dokument("h.zeugnis")));
        eintrag(1)->trigger();
        QVERIFY(s->plattform->meldungen.value(0).contains(s->dokument("h.zeugnis")));
        QCOMPARE(eintrag(1)->text(), "&2 g.zeugnis");
        QVERIFY(!eintrag(7)->isVisible());
    }

    // "Neu" starts empty but for the company profile and today's date, in the kind chosen.
    void NeuMitFirmenprofil() {
        const Firmenprofil profil = {"Lager & Co KG", {}, "", "", {"Eva Roth", "", "ppa."}};
        s->ablegen(firmenprofildateiname, firmenprofilSchreiben(profil));
        geoeffnet("alt.zeugnis", test::alleBewertet(frau));
        s->menue("mnuNeuZwischenzeugnis");
        Zeugnisdaten erwartet;
        erwartet.art = Zeugnisart::Zwischenzeugnis;
        erwartet.text(Eingabe::Firma) = profil.firma;
        erwartet.text(Eingabe::Datum) = QDate::currentDate().toString("dd.MM.yyyy").toStdString();
        erwartet.unterzeichner = profil.unterzeichner;
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(erwartet));
        QCOMPARE(s->fenster->windowTitle(), "Velmora");
        QVERIFY(s->plattform->gefragt.isEmpty());
    }

    // The dialogs start in the documents folder's "Zeugnisse", made when first needed, and
    // offer the employee's name; a name without the ending gets it.
    void SpeichernUnterZeugnisse() {
        s->starten();
        const QString ordner = s->dokument("Zeugnisse");
        QVERIFY(!QFileInfo::exists(ordner));
        s->plattform->dateiantworten = {ordner + "/Hans M"};
        s->menue("mnuSpeichern");
        QCOMPARE(s->plattform->gefragt,
                 QStringList{"Zeugnis speichern unter: " + ordner + "/Mustermann, Hans.zeugnis"});
        QCOMPARE(s->fenster->offeneDatei(), ordner + "/Hans M.zeugnis");
        QVERIFY(s->lesen(ordner + "/Hans M.zeugnis"));
        s->menue("mnuOeffnen");
        QCOMPARE(s->plattform->gefragt.last(), "Zeugnis öffnen: " + ordner);
    }

    // A settings file becomes the window's reference without a file of its own; a later
    // start's file, named relative to where it was started, opens in this window.
    void ImportierenUndWeitererStart() {
        const QString datei = s->dokument("arbeitszeugnis.ini");
        s->ablegen(datei, QByteArray::fromStdString(beispieldatei({{2, "Jörg"}})),
                   Dateiart::Dokument);
        geoeffnet("alt.zeugnis");
        s->plattform->dateiantworten = {datei};
        s->menue("mnuImportieren");
        QCOMPARE(s->fenster->text(0), "Jörg");
        QCOMPARE(s->fenster->daten().bereich(13).note, 6);
        QCOMPARE(s->fenster->windowTitle(), "Velmora");
        weitererStart(*s->fenster, {"alt.zeugnis"}, s->plattform->dokumentenordnerPfad);
        QCOMPARE(s->fenster->offeneDatei(), s->dokument("alt.zeugnis"));
    }

    // Texts longer than the window's boxes: the band names the boxes cut, a save over the file
    // asks first ("Abbrechen" leaves it whole, "Speichern unter…" writes elsewhere, and that
    // file is saved without asking), and the reader of the command line keeps them whole.
    void LaengerAlsDasFenster() {
        Zeugnisdaten daten = anfangsdaten();
        daten.text(Eingabe::Name) = std::string(40000, 'x');
        daten.unterzeichner.funktion = std::string(feldlaenge + 1, 'y');
        const QString datei = geoeffnet("lang.zeugnis", daten);
        const QByteArray vorher = s->lesen(datei).value();
        QVERIFY(s->hinweise().join('\n').contains("gekürzt angezeigt: „Name“, „Funktion“."));
        QCOMPARE(s->fenster->text(1).size(), feldlaenge);
        const QString frage = "Velmora: Die Datei enthält längere Texte, als das Fenster fassen "
                              "kann; beim Speichern würden sie gekürzt.";
        const QString kurz = s->dokument("kurz.zeugnis");
        s->plattform->antworten = {1, 0};
        s->plattform->dateiantworten = {kurz};
        for (const auto& [gefragt, danach] : std::initializer_list<std::pair<bool, QString>>{
                 {true, datei}, {true, kurz}, {false, kurz}}) {
            s->plattform->gefragt.clear();
            s->menue("mnuSpeichern");
            QCOMPARE(s->plattform->gefragt.value(0) == frage, gefragt);
            QCOMPARE(s->fenster->offeneDatei(), danach);
        }
        QCOMPARE(s->lesen(datei).value(), vorher);
        QCOMPARE(s->lesen(kurz).value().count('x'), feldlaenge);
        QCOMPARE(zeugnisLaden(*s->plattform, datei).datei->daten, daten);
    }

    void DeutscheTastennamen() {
        QVERIFY(qtAufDeutsch(*QCoreApplication::instance()));
        s->starten();
        const QAction* speichern = s->fenster->findChild<QAction*>("mnuSpeichernUnter");
        QCOMPARE(speichern->shortcut().toString(QKeySequence::NativeText), "Strg+Umschalt+S");
    }
};

QTEST_MAIN(ZeugnisdateienTest)
#include "zeugnisdateien_test.moc"
