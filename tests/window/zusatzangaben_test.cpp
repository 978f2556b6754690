// The upper strip's second row (tasks, signature, birth data, kind) and what the window does
// with a whole reference put into it.
#include "compose/komposition.h"
#include "support/fakeplattform.h"
#include "ui/reiterfeld.h"
#include "window/frmzg.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <memory>

using namespace velmora;

class ZusatzangabenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    template <typename T> T* element(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        return gefunden ? gefunden : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QStringList vorschauen() const {
        QStringList texte;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            texte.append(fenster->vorschautext(bereich));
        }
        return texte;
    }

    static Zeugnisdaten vollstaendig() {
        Zeugnisdaten d = anfangsdaten();
        d.geschlecht = frau;
        d.text(Eingabe::Name) = "Schmidt";
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            d.bereich(bereich) = {bereich % 3 + 1, bereich % 3};
        }
        d.bereich(4) = {0, anzeigeAn};
        d.geburtsangaben = false;
        d.aufgaben = {"Vertrieb", {"Beratung", "", "Angebote"}, "Umsatz verdoppelt"};
        d.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", "ppa."};
        return d;
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    // Everything put in comes back out; a section without a grade keeps no old preview.
    void ganzes_zeugnis_hinein_und_heraus() {
        fenster->knopfSetzen(4, 2, true);
        QVERIFY(!fenster->vorschautext(4).isEmpty());
        for (const Zeugnisart art : zeugnisarten) {
            Zeugnisdaten d = vollstaendig();
            d.art = art;
            fenster->datenSetzen(d);
            QVERIFY(fenster->daten() == d);
            QVERIFY(fenster->vorschautext(4).isEmpty());
            const Vorschautexte erwartet = alleVorschautexte(d);
            QCOMPARE(fenster->vorschautext(1), QString::fromStdString(*erwartet[0]));
        }
    }

    // The kind relabels Beendigungsgrund and composes every preview anew; back to the final
    // reference, every preview is as before.
    void art_wechseln() {
        fenster->datenSetzen(vollstaendig());
        const QStringList endzeugnis = vorschauen();
        auto* unten = element<Reiterfeld>("tabang(0)");
        QTest::mouseClick(element<QRadioButton>("optArt(1)"), Qt::LeftButton);
        QCOMPARE(fenster->art(), Zeugnisart::Zwischenzeugnis);
        QCOMPARE(unten->beschriftung(beendigungsgrund - 1), "Ausst&ellungsgrund");
        QCOMPARE(element<QRadioButton>("opt12(1)")->text(), "Vorgesetztenwechsel");
        QVERIFY(vorschauen() != endzeugnis);
        QVERIFY(fenster->vorschautext(12).startsWith("Dieses Zwischenzeugnis wird"));
        // Every caption shows whole in its place.
        for (int knopf = 0; knopf < 3; ++knopf) {
            auto* schalter = element<QRadioButton>(QString("opt12(%1)").arg(knopf));
            QVERIFY(schalter->sizeHint().width() <= schalter->width());
        }
        fenster->artSetzen(Zeugnisart::Endzeugnis);
        QCOMPARE(unten->beschriftung(beendigungsgrund - 1), "B&endigungsgrund");
        QCOMPARE(vorschauen(), endzeugnis);
    }

    // A one-line box takes a pasted line break as a blank at once, the achievements too;
    // the tasks box takes Enter as a new task.
    void zeilenumbrueche() {
        auto* name = element<QLineEdit>("txtang(1)");
        QApplication::clipboard()->setText("Zeile1\r\nZeile2\nZeile3");
        name->setFocus(Qt::TabFocusReason);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), "Zeile1 Zeile2 Zeile3");

        fenster->reiterSetzen(obereLeiste, aufgabenReiter);
        auto* erfolge = element<QPlainTextEdit>("txtErfolge");
        erfolge->setFocus(Qt::TabFocusReason);
        QTest::keyClick(erfolge, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(erfolge->toPlainText(), "Zeile1 Zeile2 Zeile3");

        auto* aufgaben = element<QPlainTextEdit>("txtAufgaben");
        aufgaben->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(aufgaben, "Beratung");
        QTest::keyClick(aufgaben, Qt::Key_Return);
        QTest::keyClicks(aufgaben, "Verkauf");
        QVERIFY(aufgaben->hasFocus());
        QCOMPARE(fenster->daten().aufgaben.liste,
                 (std::vector<std::string>{"Beratung", "Verkauf"}));
    }

    // The check asks only when it finds something, and a finding chosen leads to its tab.
    void pruefung_vor_der_ausgabe() {
        Zeugnisdaten d = vollstaendig();
        d.bereich(4) = {2, anzeigeAn};
        d.bereich(12) = {1, anzeigeAn};
        fenster->datenSetzen(d);
        QVERIFY(fenster->ausgabeFreigeben());
        QVERIFY(plattform->gefragt.isEmpty());

        d.text(Eingabe::Firma).clear();
        d.bereich(4).note = 0;
        fenster->datenSetzen(d);
        plattform->listenantworten = {{1, 0}, {0, 1}, {-1, -1}};
        QVERIFY(fenster->ausgabeFreigeben());
        QVERIFY(!fenster->ausgabeFreigeben());
        QCOMPARE(fenster->reiter(obereLeiste), 1);
        QVERIFY(!fenster->ausgabeFreigeben());
        QCOMPARE(plattform->gefragt.size(), 3);
        QVERIFY(plattform->gefragt[0].contains("Denkfähigkeit: "));

        plattform->listenantworten = {{0, 0}};
        fenster->findChild<QAction*>("mnuPruefen")->trigger();
        QCOMPARE(fenster->reiter(untereLeiste), 3);
    }

    // Leaving a box, a grade, a flag, the kind: each is a change the window reports.
    void aenderungen_gemeldet() {
        QSignalSpy geaendert(fenster.get(), &frmzg::geaendert);
        auto* vorname = element<QLineEdit>("txtang(0)");
        vorname->setFocus(Qt::TabFocusReason);
        QTest::keyClick(vorname, Qt::Key_Tab);
        QTest::mouseClick(element<QRadioButton>("opt1(2)"), Qt::LeftButton);
        QTest::mouseClick(element<QCheckBox>("chkAnz(0)"), Qt::LeftButton);
        fenster->reiterSetzen(obereLeiste, unterschriftReiter);
        QTest::mouseClick(element<QRadioButton>("optArt(1)"), Qt::LeftButton);
        QVERIFY(geaendert.count() >= 5);
    }
};

QTEST_MAIN(ZusatzangabenTest)
#include "zusatzangaben_test.moc"
