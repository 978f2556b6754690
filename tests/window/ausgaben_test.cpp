// The main window's outputs against the recording platform: the clipboard and Zeugnis.doc of
// the command buttons; the file menu's PDF and Word document after the check, the print, and
// the preview that follows each change, its first page compared glyph by glyph.
#include "output/klartext.h"
#include "render/seitensatz.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"
#include "window/zeugnisvorschau.h"

#include <QtWidgets>

#include <functional>

using namespace velmora;

class AusgabenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

private slots:
    void init() {
        t = std::make_unique<test::Testfenster>();
        t->zeigen();
    }

    // Each command button sees the date box that still has the focus written out first. The
    // document takes its page setup from the base beside the program, never replaces a file
    // of the same name and is opened, or else the band says where it lies. A failed write and
    // a refused clipboard are reported; Enter on a button presses it.
    void Befehlsknoepfe() {
        const std::string basis = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
                                  "\\paperw12240\\paperh15840\\margl1800\r\n}";
        t->ablegen(t->plattform->programmordnerPfad + "/temp.doc", QByteArray::fromStdString(basis),
                   Dateiart::Dokument);
        t->plattform->oeffnenGelingt = false;
        t->fenster->geschlechtWaehlen(frau);
        t->fenster->knopfSetzen(13, 0, true);
        t->tippen(8, "31.3.04");
        t->element<QPushButton>("cmdfertig(1)")->click(); // as a button without mouse focus
        QVERIFY(t->fenster->angezeigteVorschautexte()[12].find("31.03.2004") != std::string::npos);
        QCOMPARE(t->plattform->zwischenablage,
                 QStringList{QString::fromStdString(
                     klartext(t->fenster->daten(), t->fenster->angezeigteVorschautexte()))});
        t->box(8)->clear(); // the focus never left it
        QTest::keyClicks(t->box(8), "30.6.5");
        t->klicken("cmdfertig(0)");
        const std::string erwartet = test::zeugnisdokument(
            t->fenster->daten(), t->fenster->angezeigteVorschautexte(), basis);
        QVERIFY(erwartet.find("30.06.2005") != std::string::npos);
        QCOMPARE(t->lesen(t->dokument("Zeugnis.doc")), QByteArray::fromStdString(erwartet));
        QVERIFY(t->hinweise().size() == 1 && t->hinweise()[0].contains(t->dokument("Zeugnis.doc")));

        t->ablegen(t->dokument("Zeugnis.doc"), "von Hand", Dateiart::Dokument);
        t->klicken("cmdfertig(0)");
        QCOMPARE(t->plattform->geoeffnet,
                 QStringList({t->dokument("Zeugnis.doc"), t->dokument("Zeugnis (2).doc")}));
        QCOMPARE(t->lesen(t->dokument("Zeugnis.doc")), "von Hand");
        t->plattform->neuAnlegenScheitert = "Kein Speicherplatz mehr";
        t->klicken("cmdfertig(0)");
        t->plattform->zwischenablageGelingt = false;
        t->element("cmdfertig(1)")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(t->plattform->geoeffnet.size(), 2);
        QCOMPARE(t->plattform->meldungen.size(), 2);
        QVERIFY(t->plattform->meldungen[0].contains("Kein Speicherplatz mehr") &&
                t->plattform->meldungen[1].contains("Zwischenablage"));
    }

    // The check first: back writes nothing. Then the save dialog in the documents folder: the
    // file goes where it says, over one there already (the dialog asked), and is opened; a
    // cancelled dialog writes nothing, a failed write is reported.
    void Dokumente() {
        for (const QString format : {"pdf", "docx"}) {
            init();
            const QString eintrag = format == "pdf" ? "mnuPdf" : "mnuWord";
            const QString ziel = t->dokument("alt." + format);
            t->ablegen(ziel, "alt", Dateiart::Dokument);
            t->plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
            t->plattform->dateiantworten = {ziel, std::nullopt, t->dokument("fehlt")};

            t->menue(eintrag);
            QCOMPARE(t->plattform->gefragt.size(), 1);
            t->menue(eintrag);
            QCOMPARE(t->plattform->gefragt.size(), 3);
            QVERIFY(t->plattform->gefragt[1].startsWith("Zeugnis prüfen: ") &&
                    t->plattform->gefragt[2].endsWith(
                        "speichern: " + t->dokument("Zeugnis Mustermann, Hans." + format)));
            const QByteArray inhalt = t->lesen(ziel).value();
            QVERIFY(format == "docx" ? inhalt == docxAusgabe(t->fenster->ausgabe())
                                     : inhalt.startsWith("%PDF-1.4") && inhalt.contains("/Author"));
            QCOMPARE(t->plattform->geoeffnet, QStringList{ziel});

            t->menue(eintrag);
            t->plattform->ersetzenScheitert = "Kein Speicherplatz mehr";
            t->menue(eintrag);
            QCOMPARE(t->plattform->geoeffnet.size(), 1);
            QCOMPARE(t->plattform->meldungen,
                     QStringList{"Das Zeugnis konnte nicht als „" + t->dokument("fehlt") +
                                 "“ gespeichert werden: Kein Speicherplatz mehr"});
        }
    }

    // Printing is checked first, its preview is not; both paint the document's page. A printer
    // that refuses is reported, a cancelled print dialog is not.
    void Drucken() {
        t->plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
        QTest::keyClick(t->fenster.get(), Qt::Key_P, Qt::ControlModifier); // back
        for (const Druck druck : {Druck::Gedruckt, Druck::Abgebrochen, Druck::Fehler}) {
            t->plattform->druck = druck;
            t->menue("mnuDrucken");
        }
        QCOMPARE(t->plattform->gefragt.last(), "Drucken: Zeugnis – Hans Mustermann");
        QVERIFY(t->plattform->gedruckt.size() == 2 &&
                t->plattform->gedruckt[0].contains("/Type /Page\n"));
        QCOMPARE(t->plattform->meldungen.size(), 1);
        t->plattform->gefragt.clear();
        t->menue("mnuDruckvorschau");
        QVERIFY(t->plattform->gefragt.isEmpty() && t->plattform->druckvorschauen.size() == 1 &&
                t->plattform->druckvorschauen[0].count("/Type /Page\n") == 1);
    }

    // F5 shows one preview; it follows a box left, a grade, the kind, a show flag and a whole
    // reference put in at once once the changes rest, follows nothing while closed, and closes
    // with the main window.
    void ZeugnisvorschauFolgtJederAenderung() {
        t->fenster->anzeigeSetzen(1, Qt::Checked);
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        auto* vorschau = t->element<Zeugnisvorschau>({});
        const auto glyphen = [&](const Seitensatz& satz) { return satz.seiten.at(0).glyphen; };
        QVERIFY(vorschau->isVisible() && vorschau->isWindow() &&
                t->fenster->findChildren<Zeugnisvorschau*>().size() == 1);
        const std::function<void()> aenderungen[] = {
            [&] { t->eintippen(0, "Erika"); }, [&] { t->klicken("opt1(2)"); },
            [&] {
                t->fenster->reiterSetzen(obereLeiste, unterschriftReiter);
                t->klicken("optArt(1)");
            },
            [&] { t->klicken("chkAnz(0)"); },
            [&] { t->fenster->datenSetzen(test::alleBewertet(herr)); }};
        for (const auto& aenderung : aenderungen) {
            const auto vorher = glyphen(vorschau->satz());
            aenderung();
            QTRY_VERIFY(glyphen(vorschau->satz()) != vorher);
            QCOMPARE(glyphen(vorschau->satz()), glyphen(seitensatz(t->fenster->ausgabe().modell)));
        }

        vorschau->close();
        const auto geschlossen = glyphen(vorschau->satz());
        t->klicken("chkAnz(0)");
        QTest::qWait(200);
        QCOMPARE(glyphen(vorschau->satz()), geschlossen);
        // Meanwhile the closed preview has handed the activation back.
        t->fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t->fenster.get()));
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        QVERIFY(glyphen(vorschau->satz()) != geschlossen);
        t->fenster->close();
        QVERIFY(!vorschau->isVisible());
    }
};

QTEST_MAIN(AusgabenTest)
#include "ausgaben_test.moc"
