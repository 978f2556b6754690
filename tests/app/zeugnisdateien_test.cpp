// Reference files as documents of the window: saving and opening them, the question about
// unsaved changes, the title, the files opened last, a new reference, the import and a second
// start's file; the file menu speaks German.
#include "app/startdatei.h"
#include "app/uebersetzung.h"
#include "storage/firmenprofil.h"
#include "storage/zeugnisdatei.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"
#include "support/zufallszeugnis.h"

#include <QtWidgets>

using namespace velmora;

class ZeugnisdateienTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> s;

    // A reference file in the documents folder, opened in a window just started.
    QString geoeffnet(const QString& name, const Zeugnisdaten& daten = anfangsdaten()) {
        const QString pfad = s->dokument(name);
        s->ablegen(pfad, zeugnisdateiSchreiben(daten), Dateiart::Dokument);
        s->starten(pfad);
        return pfad;
    }

private slots:
    void init() { s = std::make_unique<test::Testfenster>(); }

    // Members this version does not know survive a change and a save, at every level.
    void unbekanntes_bleibt() {
        s->ablegen(s->dokument("neu.zeugnis"),
                   "{\"format\": \"velmora-zeugnis\", \"version\": 1, \"zukunft\": {\"x\": "
                   "[1, 2]}, \"angaben\": {\"vorname\": \"Hans\", \"rufname\": \"Hansi\"}}",
                   Dateiart::Dokument);
        s->starten(s->dokument("neu.zeugnis"));
        s->eintippen(0, "Erika");
        s->menue("mnuSpeichern");
        const QJsonObject gespeichert =
            QJsonDocument::fromJson(*s->lesen(s->dokument("neu.zeugnis"))).object();
        QCOMPARE(gespeichert["zukunft"].toObject()["x"].toArray().size(), 2);
        QCOMPARE(gespeichert["angaben"].toObject()["rufname"].toString(), "Hansi");
        QCOMPARE(gespeichert["angaben"].toObject()["vorname"].toString(), "Erika");
    }

    // A broken file is refused with its name and why; the window, its file and its title stay.
    void kaputte_datei() {
        const QString offen = geoeffnet("offen.zeugnis");
        s->eintippen(0, "Erika");
        const Zeugnisdaten vorher = s->fenster->daten();
        const QString titel = s->fenster->windowTitle();
        const QString kaputt = s->dokument("kaputt.zeugnis");
        s->ablegen(kaputt, "{\"format\": \"velmora-zeugnis\", \"ang", Dateiart::Dokument);
        s->plattform->antworten = {1}; // discard the change to offen.zeugnis
        QVERIFY(!s->fenster->zeugnisOeffnen(kaputt));
        QCOMPARE(s->plattform->meldungen.size(), 1);
        QVERIFY(s->plattform->meldungen[0].text.contains("„" + kaputt + "“"));
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(vorher));
        QCOMPARE(s->fenster->offeneDatei(), offen);
        QCOMPARE(s->fenster->windowTitle(), titel);
        QVERIFY(s->fenster->isWindowModified());
    }

    void frage_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("ausgefuehrt");
        QTest::addColumn<bool>("gespeichert");
        for (const char* aktion : {"Neu", "Öffnen", "Schließen"}) {
            QTest::addRow("%s, Speichern", aktion) << QString(aktion) << 0 << true << true;
            QTest::addRow("%s, Verwerfen", aktion) << QString(aktion) << 1 << true << false;
            QTest::addRow("%s, Abbrechen", aktion) << QString(aktion) << 2 << false << false;
            QTest::addRow("%s, Escape", aktion) << QString(aktion) << -1 << false << false;
        }
    }

    // Unsaved changes to the open file are asked about once: saved, discarded, or the action
    // does not happen.
    void frage() {
        QFETCH(QString, aktion);
        QFETCH(int, antwort);
        QFETCH(bool, ausgefuehrt);
        QFETCH(bool, gespeichert);
        const QString anderes = s->dokument("anderes.zeugnis");
        s->ablegen(anderes, zeugnisdateiSchreiben(test::alleBewertet(frau)), Dateiart::Dokument);
        const QString offen = geoeffnet("offen.zeugnis");
        s->eintippen(0, "Erika");
        s->plattform->antworten = {antwort};
        s->plattform->dateiantworten = {anderes};
        if (aktion == "Neu") {
            s->menue("mnuNeuEndzeugnis");
            QCOMPARE(s->fenster->text(0) != "Erika", ausgefuehrt);
        } else if (aktion == "Öffnen") {
            s->menue("mnuOeffnen");
            QCOMPARE(s->fenster->offeneDatei() == anderes, ausgefuehrt);
        } else {
            QCOMPARE(s->fenster->close(), ausgefuehrt);
        }
        QCOMPARE(s->plattform->gefragt.size(), 1 + (aktion == "Öffnen" && ausgefuehrt));
        QVERIFY(s->plattform->gefragt[0].contains("„offen“"));
        QCOMPARE(s->lesen(offen)->contains("Erika"), gespeichert);
    }

    // The title names the open file and marks changes not saved to it; the files opened last
    // are in the menu, the newest first, kept to the next start; one that is gone is dropped.
    void titel_und_zuletzt_geoeffnet() {
        s->starten();
        QCOMPARE(s->fenster->windowTitle(), "Velmora");
        for (const QString name : {"a", "b", "c", "d", "e", "f", "g", "h", "i & j"}) {
            s->ablegen(s->dokument(name + ".zeugnis"), zeugnisdateiSchreiben({}),
                       Dateiart::Dokument);
            QVERIFY(s->fenster->zeugnisOeffnen(s->dokument(name + ".zeugnis")));
        }
        s->eintippen(3, "Bonn");
        QCOMPARE(s->fenster->windowTitle(), "i & j[*] – Velmora");
        QVERIFY(s->fenster->isWindowModified());
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
        QVERIFY(s->plattform->meldungen.value(0).text.contains(s->dokument("h.zeugnis")));
        QCOMPARE(eintrag(1)->text(), "&2 g.zeugnis");
        QVERIFY(!eintrag(7)->isVisible());
    }

    // "Neu" starts empty but for the company profile and today's date, in the kind chosen.
    void neu_mit_firmenprofil() {
        Firmenprofil profil;
        profil.firma = "Lager & Co KG";
        profil.unterzeichner = {"Eva Roth", "", "ppa."};
        s->ablegen(firmenprofildateiname, firmenprofilSchreiben(profil));
        geoeffnet("alt.zeugnis", test::alleBewertet(frau));
        s->menue("mnuNeuZwischenzeugnis");
        Zeugnisdaten erwartet;
        erwartet.art = Zeugnisart::Zwischenzeugnis;
        erwartet.text(Eingabe::Firma) = profil.firma;
        erwartet.text(Eingabe::Datum) = QDate::currentDate().toString("dd.MM.yyyy").toStdString();
        erwartet.unterzeichner = profil.unterzeichner;
        QVERIFY(test::felder(s->fenster->daten()) == test::felder(erwartet));
        QCOMPARE(s->fenster->offeneDatei(), QString());
        QCOMPARE(s->fenster->windowTitle(), "Velmora");
        QVERIFY(s->plattform->gefragt.isEmpty());
    }

    // The dialogs start in the documents folder's "Zeugnisse", made when first needed, and
    // offer the employee's name; a name without the ending gets it.
    void speichern_unter_zeugnisse() {
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
    void importieren_und_weiterer_start() {
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

    void deutsche_tastennamen() {
        QVERIFY(qtAufDeutsch(*QCoreApplication::instance()));
        s->starten();
        const QAction* speichern = s->fenster->findChild<QAction*>("mnuSpeichernUnter");
        QCOMPARE(speichern->shortcut().toString(QKeySequence::NativeText), "Strg+Umschalt+S");
    }
};

QTEST_MAIN(ZeugnisdateienTest)
#include "zeugnisdateien_test.moc"
