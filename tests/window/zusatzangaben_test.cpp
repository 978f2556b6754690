// The upper strip's second row (tasks, signature, birth data, kind), what a paste leaves in a
// box, the check before an output, and a whole reference put into the window.
#include "compose/komposition.h"
#include "support/testfenster.h"
#include "ui/reiterfeld.h"

#include <QtWidgets>

using namespace velmora;

class ZusatzangabenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

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
        t = std::make_unique<test::Testfenster>();
        t->zeigen();
    }

    // Everything put in comes back out; a section without a grade keeps no old preview.
    void ganzes_zeugnis_hinein_und_heraus() {
        t->fenster->knopfSetzen(4, 2, true);
        for (const Zeugnisart art : zeugnisarten) {
            Zeugnisdaten d = vollstaendig();
            d.art = art;
            t->fenster->datenSetzen(d);
            QVERIFY(t->fenster->daten() == d);
            QVERIFY(t->fenster->vorschautext(4).isEmpty());
            QCOMPARE(t->fenster->vorschautext(1).toStdString(), *alleVorschautexte(d)[0]);
        }
    }

    // The kind relabels Beendigungsgrund, each of its buttons whole in its place, and composes
    // every preview anew; back to the final reference, every preview is as before.
    void art_wechseln() {
        t->fenster->datenSetzen(vollstaendig());
        const AngezeigteVorschautexte endzeugnis = t->vorschauen();
        auto* unten = t->element<Reiterfeld>("tabang(0)");
        const QString reiter = unten->beschriftung(beendigungsgrund - 1);
        t->fenster->reiterSetzen(obereLeiste, unterschriftReiter);
        t->klicken("optArt(1)");
        QCOMPARE(t->fenster->art(), Zeugnisart::Zwischenzeugnis);
        QVERIFY(unten->beschriftung(beendigungsgrund - 1) != reiter);
        QVERIFY(t->vorschauen() != endzeugnis);
        QVERIFY(t->fenster->vorschautext(12).startsWith("Dieses Zwischenzeugnis wird"));
        for (int knopf = 0; knopf < 3; ++knopf) {
            auto* schalter = t->element<QRadioButton>(QString("opt12(%1)").arg(knopf));
            QVERIFY(schalter->sizeHint().width() <= schalter->width());
        }
        t->fenster->artSetzen(Zeugnisart::Endzeugnis);
        QCOMPARE(unten->beschriftung(beendigungsgrund - 1), reiter);
        QCOMPARE(t->vorschauen(), endzeugnis);
    }

    void einfuegen_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingefuegt");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("gekuerzt");
        const QString zeilen = "Zeile1\r\nZeile2\nZeile3";
        QTest::newRow("Zeilen") << "txtang(4)" << zeilen << "Zeile1 Zeile2 Zeile3" << false;
        QTest::newRow("Erfolge") << "txtErfolge" << zeilen << "Zeile1 Zeile2 Zeile3" << false;
        QTest::newRow("genau voll")
            << "txtang(4)" << QString(32767, 'x') << QString(32767, 'x') << false;
        QTest::newRow("100000") << "txtang(4)" << QString(100000, 'x') << QString(32767, 'x')
                                << true;
        QTest::newRow("CJK") << "txtang(4)" << QString(40000, QChar(0x4E2D))
                             << QString(32767, QChar(0x4E2D)) << true;
    }

    // A one-line box, and the achievements, take a pasted line break as a blank at once; a
    // paste cut at a box's limit is said so.
    void einfuegen() {
        QFETCH(QString, feld);
        QFETCH(QString, eingefuegt);
        QFETCH(QString, ergebnis);
        QFETCH(bool, gekuerzt);
        t->fenster->reiterSetzen(obereLeiste, feld == "txtErfolge" ? aufgabenReiter : 0);
        QWidget* box = t->element(feld);
        QGuiApplication::clipboard()->setText(eingefuegt);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->property(feld == "txtErfolge" ? "plainText" : "text").toString(), ergebnis);
        QCOMPARE(t->hinweise().join('\n').contains("32.767 Zeichen"), gekuerzt);
    }

    // The tasks box takes Enter as a new task.
    void aufgabe_je_zeile() {
        t->fenster->reiterSetzen(obereLeiste, aufgabenReiter);
        auto* aufgaben = t->element("txtAufgaben");
        t->tippen(aufgaben, "Beratung");
        QTest::keyClick(aufgaben, Qt::Key_Return);
        QTest::keyClicks(aufgaben, "Verkauf");
        QVERIFY(aufgaben->hasFocus());
        QCOMPARE(t->fenster->daten().aufgaben.liste,
                 (std::vector<std::string>{"Beratung", "Verkauf"}));
    }

    // The check asks only when it finds something, and a finding chosen leads to its tab.
    void pruefung_vor_der_ausgabe() {
        Zeugnisdaten d = vollstaendig();
        d.bereich(4) = {2, anzeigeAn};
        d.bereich(12) = {1, anzeigeAn};
        t->fenster->datenSetzen(d);
        QVERIFY(t->fenster->ausgabeFreigeben());
        QVERIFY(t->plattform->gefragt.isEmpty());

        d.text(Eingabe::Firma).clear();
        d.bereich(4).note = 0;
        t->fenster->datenSetzen(d);
        t->plattform->listenantworten = {{1, 0}, {0, 1}, {-1, -1}};
        QVERIFY(t->fenster->ausgabeFreigeben());
        QVERIFY(!t->fenster->ausgabeFreigeben());
        QCOMPARE(t->fenster->reiter(obereLeiste), 1);
        QVERIFY(!t->fenster->ausgabeFreigeben());
        QCOMPARE(t->plattform->gefragt.size(), 3);
        QVERIFY(t->plattform->gefragt[0].contains("Denkfähigkeit: "));

        t->plattform->listenantworten = {{0, 0}};
        t->menue("mnuPruefen");
        QCOMPARE(t->fenster->reiter(untereLeiste), 3);
    }
};

QTEST_MAIN(ZusatzangabenTest)
#include "zusatzangaben_test.moc"
