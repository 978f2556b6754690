// The file menu's outputs against the recording platform: the check first, the file written
// where the save dialog said and opened, the print, and the preview that follows each change.
#include "platform/dateischicht.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/fakeplattform.h"
#include "window/frmzg.h"
#include "window/zeugnisvorschau.h"

#include <QTest>
#include <QtWidgets>

#include <functional>
#include <memory>

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

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    template <typename T> T* element(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        return gefunden ? gefunden : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    void menue(const char* name) { element<QAction>(name)->trigger(); }
    QString dokument(const QString& name) const {
        return plattform->dokumentenordnerPfad + '/' + name;
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

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
        const QString ziel = dokument("Ablage/" + name);
        QVERIFY(dateischicht::ordnerSichern(dokument("Ablage")));
        QVERIFY(dateischicht::ersetzen(ziel, Dateiart::Dokument, "alt", {}));
        plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
        plattform->dateiantworten = {ziel, std::nullopt, dokument("fehlt")};

        menue(qPrintable(eintrag));
        QCOMPARE(plattform->gefragt.size(), 1);
        menue(qPrintable(eintrag));
        QCOMPARE(plattform->gefragt.size(), 3);
        QVERIFY(plattform->gefragt[1].startsWith("Zeugnis prüfen: "));
        QVERIFY(plattform->gefragt[2].endsWith("speichern: " + dokument(name)));
        const QByteArray inhalt = dateischicht::lesen(ziel, Dateiart::Dokument, 1 << 20).value();
        if (name.endsWith(".docx")) {
            QCOMPARE(inhalt, docxAusgabe(fenster->ausgabe()));
        } else {
            QVERIFY(inhalt.startsWith("%PDF-1.4") && inhalt.contains("/Author"));
        }
        QCOMPARE(plattform->geoeffnet, QStringList{ziel});

        menue(qPrintable(eintrag));
        plattform->ersetzenScheitert = "Kein Speicherplatz mehr";
        menue(qPrintable(eintrag));
        QCOMPARE(plattform->geoeffnet.size(), 1);
        QVERIFY(!QFile::exists(dokument("fehlt")));
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].text, "Das Zeugnis konnte nicht als „" +
                                                   dokument("fehlt") +
                                                   "“ gespeichert werden: Kein Speicherplatz mehr");
    }

    // Printing is checked first, its preview is not; both paint the document's pages.
    void drucken() {
        plattform->listenantworten = {{0, -1}, {1, -1}, {1, -1}, {1, -1}};
        QTest::keyClick(fenster.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(plattform->gedruckt.isEmpty());
        menue("mnuDrucken");
        QCOMPARE(plattform->gefragt.last(), "Drucken: Zeugnis – Hans Mustermann");
        QCOMPARE(plattform->gedruckt.size(), 1);
        QCOMPARE(plattform->gedruckt[0].seiten, 1);
        QVERIFY(plattform->gedruckt[0].pdf.contains("/Type /Page\n"));
        plattform->druckAbbrechen = true;
        menue("mnuDrucken");
        QCOMPARE(plattform->gedruckt.size() + plattform->meldungen.size(), 1);
        plattform->druckAbbrechen = false;
        plattform->druckerScheitert = true; // reported
        menue("mnuDrucken");
        QCOMPARE(plattform->meldungen.size(), 1);

        const qsizetype gefragt = plattform->gefragt.size();
        menue("mnuDruckvorschau");
        QCOMPARE(plattform->gefragt.size(), gefragt);
        QCOMPARE(plattform->druckvorschauen.size(), 1);
        QCOMPARE(plattform->druckvorschauen[0].pdf.count("/Type /Page\n"), 1);
    }

    // F5 shows one preview; it follows a box left, a grade, the kind, a show flag and a whole
    // reference put in at once,
    // follows nothing while closed, and closes with the main window.
    void zeugnisvorschau() {
        fenster->anzeigeSetzen(1, Qt::Checked);
        QTest::keyClick(fenster.get(), Qt::Key_F5);
        QTest::keyClick(fenster.get(), Qt::Key_F5);
        const QList<Zeugnisvorschau*> vorschauen = fenster->findChildren<Zeugnisvorschau*>();
        QCOMPARE(vorschauen.size(), 1);
        Zeugnisvorschau* vorschau = vorschauen[0];
        QVERIFY(vorschau->isVisible() && vorschau->isWindow());
        QCOMPARE(vorschau->windowTitle(), "Zeugnisvorschau");

        const std::vector<std::function<void()>> aenderungen = {
            [&] {
                auto* vorname = element<QLineEdit>("txtang(0)");
                vorname->setFocus(Qt::TabFocusReason);
                QTest::keyClicks(vorname, "Erika");
                QTest::keyClick(vorname, Qt::Key_Tab);
            },
            [&] { QTest::mouseClick(element<QRadioButton>("opt1(2)"), Qt::LeftButton); },
            [&] {
                fenster->reiterSetzen(obereLeiste, unterschriftReiter);
                QTest::mouseClick(element<QRadioButton>("optArt(1)"), Qt::LeftButton);
            },
            [&] { QTest::mouseClick(element<QCheckBox>("chkAnz(0)"), Qt::LeftButton); },
            [&] {
                Zeugnisdaten anderes = anfangsdaten();
                anderes.text(Eingabe::Name) = "Roth";
                anderes.bereich(1).note = 2;
                fenster->datenSetzen(anderes);
            },
        };
        for (const auto& aenderung : aenderungen) {
            const QList<quint32> vorher = glyphen(vorschau->satz());
            aenderung();
            QVERIFY(glyphen(vorschau->satz()) != vorher);
            QCOMPARE(glyphen(vorschau->satz()), glyphen(seitensatz(fenster->ausgabe().modell)));
        }

        vorschau->close();
        const QList<quint32> geschlossen = glyphen(vorschau->satz());
        QTest::mouseClick(element<QCheckBox>("chkAnz(0)"), Qt::LeftButton);
        QCOMPARE(glyphen(vorschau->satz()), geschlossen);
        QTest::keyClick(fenster.get(), Qt::Key_F5);
        QVERIFY(glyphen(vorschau->satz()) != geschlossen);
        fenster->close();
        QVERIFY(!vorschau->isVisible());
    }
};

QTEST_MAIN(AusgabenTest)
#include "ausgaben_test.moc"
