// The main window's outputs against the recording platform: the clipboard and Zeugnis.doc of
// the command buttons; the file menu's PDF and Word document after the check, the print, and
// the preview that follows each change.
#include "output/dokument.h"
#include "output/klartext.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"
#include "window/zeugnisvorschau.h"

#include <QtWidgets>

#include <functional>

using namespace velmora;

namespace {

// What the pages show: every glyph of every page in order.
QList<quint32> glyphen(const Seitensatz& satz) {
    QList<quint32> alle;
    for (const GesetzteSeite& seite : satz.seiten) {
        for (const QGlyphRun& lauf : seite.glyphen) {
            alle += lauf.glyphIndexes();
        }
    }
    return alle;
}

} // namespace

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
    // a refused clipboard are reported.
    void befehlsknoepfe() {
        const std::string basis = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
                                  "\\paperw12240\\paperh15840\\margl1800\r\n}";
        t->ablegen(t->plattform->programmordnerPfad + "/temp.doc", QByteArray::fromStdString(basis),
                   Dateiart::Dokument);
        t->plattform->oeffnenGelingt = false;
        t->fenster->geschlechtWaehlen(frau);
        t->fenster->anzeigeSetzen(13, Qt::Checked);
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            t->fenster->knopfSetzen(bereich, 0, true);
        }
        t->tippen(8, "31.3.04");
        t->element<QPushButton>("cmdfertig(1)")->click(); // as a button without mouse focus
        QVERIFY(t->vorschauen()[12].find("31.03.2004") != std::string::npos);
        QCOMPARE(
            t->plattform->zwischenablage,
            QStringList{QString::fromStdString(klartext(t->fenster->daten(), t->vorschauen()))});
        t->box(8)->clear(); // the focus never left it
        QTest::keyClicks(t->box(8), "30.6.5");
        t->klicken("cmdfertig(0)");
        const Zeugnisdokument erwartet =
            test::zeugnisdokument(t->fenster->daten(), t->vorschauen(), basis);
        QVERIFY(erwartet.basisVerwendet && erwartet.rtf.find("30.06.2005") != std::string::npos);
        QCOMPARE(t->lesen(t->dokument("Zeugnis.doc")), QByteArray::fromStdString(erwartet.rtf));
        QCOMPARE(t->hinweise().size(), 1);
        QVERIFY(t->hinweise()[0].contains(t->dokument("Zeugnis.doc")));

        t->ablegen(t->dokument("Zeugnis.doc"), "von Hand", Dateiart::Dokument);
        t->klicken("cmdfertig(0)");
        QCOMPARE(t->plattform->geoeffnet,
                 QStringList({t->dokument("Zeugnis.doc"), t->dokument("Zeugnis (2).doc")}));
        QCOMPARE(t->lesen(t->dokument("Zeugnis.doc")), "von Hand");
        t->plattform->neuAnlegenScheitert = "Kein Speicherplatz mehr";
        t->klicken("cmdfertig(0)");
        t->plattform->zwischenablageGelingt = false;
        t->tippen(0, "Erika");
        t->element("cmdfertig(1)")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(t->fenster->text(0), "Erika");
        QCOMPARE(t->plattform->geoeffnet.size(), 2);
        QCOMPARE(t->plattform->meldungen.size(), 2);
        QVERIFY(t->plattform->meldungen[0].text.contains("Kein Speicherplatz mehr"));
        QVERIFY(t->plattform->meldungen[1].text.contains("Zwischenablage"));
    }

    void dokumente_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("name"); // suggested in the documents folder
        QTest::newRow("PDF") << "mnuPdf"
                             << "Zeugnis Mustermann, Hans.pdf";
        QTest::newRow("Word") << "mnuWord"
                              << "Zeugnis Mustermann, Hans.docx";
    }

    // The check first: back writes nothing. Then the save dialog in the documents folder: the
    // file goes where it says, over one there already (the dialog asked), and is opened; a
    // cancelled dialog writes nothing, a failed write is reported.
    void dokumente() {
        QFETCH(QString, eintrag);
        QFETCH(QString, name);
        const QString ziel = t->dokument("Ablage/" + name);
        QVERIFY(dateischicht::ordnerSichern(t->dokument("Ablage")));
        t->ablegen(ziel, "alt", Dateiart::Dokument);
        t->plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
        t->plattform->dateiantworten = {ziel, std::nullopt, t->dokument("fehlt")};

        t->menue(eintrag);
        QCOMPARE(t->plattform->gefragt.size(), 1);
        t->menue(eintrag);
        QCOMPARE(t->plattform->gefragt.size(), 3);
        QVERIFY(t->plattform->gefragt[1].startsWith("Zeugnis prüfen: "));
        QVERIFY(t->plattform->gefragt[2].endsWith("speichern: " + t->dokument(name)));
        const QByteArray inhalt = t->lesen(ziel).value();
        if (name.endsWith(".docx")) {
            QCOMPARE(inhalt, docxAusgabe(t->fenster->ausgabe()));
        } else {
            QVERIFY(inhalt.startsWith("%PDF-1.4") && inhalt.contains("/Author"));
        }
        QCOMPARE(t->plattform->geoeffnet, QStringList{ziel});

        t->menue(eintrag);
        t->plattform->ersetzenScheitert = "Kein Speicherplatz mehr";
        t->menue(eintrag);
        QCOMPARE(t->plattform->geoeffnet.size(), 1);
        QVERIFY(!QFile::exists(t->dokument("fehlt")));
        QCOMPARE(t->plattform->meldungen.size(), 1);
        QCOMPARE(t->plattform->meldungen[0].text,
                 "Das Zeugnis konnte nicht als „" + t->dokument("fehlt") +
                     "“ gespeichert werden: Kein Speicherplatz mehr");
    }

    // Printing is checked first, its preview is not; both paint the document's pages.
    void drucken() {
        t->plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
        QTest::keyClick(t->fenster.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(t->plattform->gedruckt.isEmpty());
        t->menue("mnuDrucken");
        QCOMPARE(t->plattform->gefragt.last(), "Drucken: Zeugnis – Hans Mustermann");
        QCOMPARE(t->plattform->gedruckt.size(), 1);
        QCOMPARE(t->plattform->gedruckt[0].seiten, 1);
        QVERIFY(t->plattform->gedruckt[0].pdf.contains("/Type /Page\n"));
        t->plattform->druckAbbrechen = true;
        t->menue("mnuDrucken");
        QCOMPARE(t->plattform->gedruckt.size() + t->plattform->meldungen.size(), 1);
        t->plattform->druckAbbrechen = false;
        t->plattform->druckerScheitert = true; // reported
        t->menue("mnuDrucken");
        QCOMPARE(t->plattform->meldungen.size(), 1);

        const qsizetype gefragt = t->plattform->gefragt.size();
        t->menue("mnuDruckvorschau");
        QCOMPARE(t->plattform->gefragt.size(), gefragt);
        QCOMPARE(t->plattform->druckvorschauen.size(), 1);
        QCOMPARE(t->plattform->druckvorschauen[0].pdf.count("/Type /Page\n"), 1);
    }

    // F5 shows one preview; it follows a box left, a grade, the kind, a show flag and a whole
    // reference put in at once, follows nothing while closed, and closes with the main window.
    void zeugnisvorschau() {
        t->fenster->anzeigeSetzen(1, Qt::Checked);
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        const QList<Zeugnisvorschau*> vorschauen = t->fenster->findChildren<Zeugnisvorschau*>();
        QCOMPARE(vorschauen.size(), 1);
        Zeugnisvorschau* vorschau = vorschauen[0];
        QVERIFY(vorschau->isVisible() && vorschau->isWindow());

        const std::vector<std::function<void()>> aenderungen = {
            [&] { t->eintippen(0, "Erika"); },
            [&] { t->klicken("opt1(2)"); },
            [&] {
                t->fenster->reiterSetzen(obereLeiste, unterschriftReiter);
                t->klicken("optArt(1)");
            },
            [&] { t->klicken("chkAnz(0)"); },
            [&] {
                Zeugnisdaten anderes = anfangsdaten();
                anderes.text(Eingabe::Name) = "Roth";
                anderes.bereich(1).note = 2;
                t->fenster->datenSetzen(anderes);
            },
        };
        for (const auto& aenderung : aenderungen) {
            const QList<quint32> vorher = glyphen(vorschau->satz());
            aenderung();
            QVERIFY(glyphen(vorschau->satz()) != vorher);
            QCOMPARE(glyphen(vorschau->satz()), glyphen(seitensatz(t->fenster->ausgabe().modell)));
        }

        vorschau->close();
        const QList<quint32> geschlossen = glyphen(vorschau->satz());
        t->klicken("chkAnz(0)");
        QCOMPARE(glyphen(vorschau->satz()), geschlossen);
        QTest::keyClick(t->fenster.get(), Qt::Key_F5);
        QVERIFY(glyphen(vorschau->satz()) != geschlossen);
        t->fenster->close();
        QVERIFY(!vorschau->isVisible());
    }
};

QTEST_MAIN(AusgabenTest)
#include "ausgaben_test.moc"
