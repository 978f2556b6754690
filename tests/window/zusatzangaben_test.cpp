// The upper strip's second row (tasks, signature, birth data, kind), what a paste leaves in a
// box, the check before an output, and a whole reference put into the window.
#include "compose/komposition.h"
#include "support/datentabelle.h"
#include "support/testfenster.h"
#include "ui/reiterfeld.h"

#include <QSignalSpy>
#include <QtWidgets>

using namespace velmora;

class ZusatzangabenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

    static Zeugnisdaten vollstaendig() {
        Zeugnisdaten d = anfangsdaten();
        d.geschlecht = frau;
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

    // Each of Beendigungsgrund's buttons whole in its place, its caption clear of the next
    // button; the leaving date's box and label as the kind has it.
    void grundUndAustrittPruefen(Zeugnisart art) const {
        for (int knopf = 0; knopf < 3; ++knopf) {
            auto* schalter = t->element<QRadioButton>(QString("opt12(%1)").arg(knopf));
            const int rechts =
                knopf < 2 ? t->element(QString("opt12(%1)").arg(knopf + 1))->x() - schalter->x() - 8
                          : schalter->width();
            QVERIFY2(schalter->sizeHint().width() <= rechts, qPrintable(schalter->text()));
        }
        const bool endzeugnis = art == Zeugnisart::Endzeugnis;
        QCOMPARE(t->box(int(Eingabe::Austrittsdatum))->isEnabled(), endzeugnis);
        QCOMPARE(t->box(int(Eingabe::Austrittsdatum))->text(), "30.06.2003");
        auto* beschriftung = t->element<QLabel>("lblallg(23)");
        QCOMPARE(beschriftung->text(), endzeugnis ? "Austrittsdatum" : "Austrittsdatum (entfällt)");
        QVERIFY(beschriftung->sizeHint().width() <= beschriftung->width());
    }

    // Everything put in comes back out; a section without a grade keeps no old preview. The
    // kind relabels Beendigungsgrund and the leaving date and composes every preview anew; back
    // to the final reference, every preview is as before.
    void GanzesZeugnisUndArt() {
        grundUndAustrittPruefen(Zeugnisart::Endzeugnis);
        t->fenster->knopfSetzen(4, 2, true);
        Zeugnisdaten d = vollstaendig();
        t->fenster->datenSetzen(d);
        QVERIFY(t->fenster->daten() == d && t->fenster->vorschautext(4).isEmpty());
        QCOMPARE(t->fenster->vorschautext(1).toStdString(), *alleVorschautexte(d)[0]);
        const AngezeigteVorschautexte endzeugnis = t->fenster->angezeigteVorschautexte();
        auto* unten = t->element<Reiterfeld>("tabang(0)");
        const QString reiter = unten->beschriftung(beendigungsgrund - 1);
        t->fenster->reiterSetzen(obereLeiste, unterschriftReiter);
        t->klicken("optArt(1)");
        d.art = Zeugnisart::Zwischenzeugnis;
        QVERIFY(t->fenster->daten() == d && unten->beschriftung(beendigungsgrund - 1) != reiter);
        QVERIFY(t->fenster->vorschautext(12).startsWith("Dieses Zwischenzeugnis wird"));
        grundUndAustrittPruefen(Zeugnisart::Zwischenzeugnis);
        t->fenster->artSetzen(Zeugnisart::Endzeugnis);
        grundUndAustrittPruefen(Zeugnisart::Endzeugnis);
        QCOMPARE(unten->beschriftung(beendigungsgrund - 1), reiter);
        QCOMPARE(t->fenster->angezeigteVorschautexte(), endzeugnis);
    }

    // A one-line box, and the achievements, take a pasted line break as a blank at once; a
    // paste cut at a box's limit, and only such a paste, is said so. The tasks take a paste up
    // to their limits and refuse one beyond them whole, naming the limit.
    void Einfuegen() {
        const QString zeilen = "Zeile1\r\nZeile2\nZeile3", voll(32767, 'x');
        const QString aufgaben = QString("Aufgabe\n").repeated(1999) + "Aufgabe";
        const QString zuLang = "32.767 Zeichen";
        for (const auto& [feld, eingefuegt, ergebnis, hinweis] :
             {std::tuple{"txtang(4)", zeilen, QString("Zeile1 Zeile2 Zeile3"), QString()},
              {"txtErfolge", zeilen, "Zeile1 Zeile2 Zeile3", ""},
              {"txtang(4)", voll, voll, ""},
              {"txtang(4)", QString(100000, 'x'), voll, zuLang},
              {"txtang(4)", QString(40000, QChar(0x4E2D)), QString(32767, QChar(0x4E2D)), zuLang},
              {"txtAufgaben", aufgaben, aufgaben, ""},
              {"txtAufgaben", aufgaben + "\r\nAufgabe", "", "höchstens 2.000 Einträge"},
              {"txtAufgaben", "a\n" + QString(100001, 'x'), "", "höchstens 100.000 Zeichen"}}) {
            init();
            const bool zeile = QString(feld).startsWith("txtang");
            t->fenster->reiterSetzen(obereLeiste, zeile ? 0 : aufgabenReiter);
            QWidget* box = t->element(feld);
            QGuiApplication::clipboard()->setText(eingefuegt);
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->property(zeile ? "text" : "plainText").toString(), ergebnis);
            const QString alle = t->hinweise().join('\n');
            QVERIFY2(hinweis.isEmpty() ? !alle.contains("höchstens") : alle.contains(hinweis),
                     qPrintable(alle));
        }
    }

    // A box of the second row is left only when the user moves on: a context menu or another
    // window taking the focus changes nothing, Tab out does.
    void KontextmenueUndAnderesFensterVerlassenKeinFeld() {
        for (const auto& [feld, reiter] : {std::pair{"txtBereich", aufgabenReiter},
                                           {"txtAufgaben", aufgabenReiter},
                                           {"txtErfolge", aufgabenReiter},
                                           {"txtUnterzeichner", unterschriftReiter},
                                           {"txtFunktion", unterschriftReiter}}) {
            t->fenster->reiterSetzen(obereLeiste, reiter);
            QWidget* box = t->element(feld);
            t->tippen(box, "Vertrieb");
            QSignalSpy geaendert(t->fenster.get(), &frmzg::geaendert);
            const QPoint mitte = box->rect().center();
            QContextMenuEvent menuetaste(QContextMenuEvent::Keyboard, mitte,
                                         box->mapToGlobal(mitte));
            QApplication::sendEvent(box, &menuetaste);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QApplication::activePopupWidget()->close();
            QTRY_VERIFY(box->hasFocus());
            QWidget anderes;
            anderes.show();
            anderes.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&anderes));
            t->fenster->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(t->fenster.get()));
            QTRY_VERIFY(box->hasFocus());
            QVERIFY2(geaendert.isEmpty(), feld);
            QTest::keyClick(box, Qt::Key_Tab);
            QVERIFY2(!geaendert.isEmpty(), feld);
        }
    }

    // The tasks box takes Enter as a new task.
    void AufgabeJeZeile() {
        t->fenster->reiterSetzen(obereLeiste, aufgabenReiter);
        auto* aufgaben = t->element("txtAufgaben");
        t->tippen(aufgaben, "Beratung");
        QTest::keyClick(aufgaben, Qt::Key_Return);
        QTest::keyClicks(aufgaben, "Verkauf");
        QCOMPARE(t->fenster->daten().aufgaben.liste,
                 (std::vector<std::string>{"Beratung", "Verkauf"}));
    }

    // Below the tasks page, the reading of the box typed into follows every change; a
    // reference put in anew leaves nothing read.
    void LesartUnterDenAufgaben() {
        t->fenster->reiterSetzen(obereLeiste, aufgabenReiter);
        auto* lesart = t->element<QLabel>("lblAufgabenLesart");
        for (const auto& fall : test::datentabelle(VELMORA_DATEN "/aufgabenlesarten.txt")) {
            QWidget* box = t->element(fall.at(0).c_str());
            box->setFocus(Qt::TabFocusReason);
            box->setProperty(qobject_cast<QLineEdit*>(box) ? "text" : "plainText",
                             QString::fromStdString(fall.at(1)));
            QCOMPARE(lesart->text(), QString::fromStdString(fall.at(2)));
        }
        t->element("cmdfertig(1)")->setFocus(Qt::TabFocusReason);
        t->fenster->datenSetzen(vollstaendig());
        QVERIFY(lesart->text().isEmpty());
    }

    // The check asks only when it finds something, and a finding chosen leads to its tab.
    void PruefungVorDerAusgabe() {
        Zeugnisdaten d = vollstaendig();
        d.bereich(4) = {2, anzeigeAn};
        d.bereich(12) = {1, anzeigeAn};
        t->fenster->datenSetzen(d);
        QVERIFY(t->fenster->ausgabeFreigeben() && t->plattform->gefragt.isEmpty());

        d.text(Eingabe::Firma).clear();
        d.bereich(4).note = 0;
        t->fenster->datenSetzen(d);
        t->plattform->listenantworten = {{1, 0}, {0, 1}, {-1, -1}};
        QVERIFY(t->fenster->ausgabeFreigeben());
        QVERIFY(!t->fenster->ausgabeFreigeben());
        QCOMPARE(t->fenster->reiter(obereLeiste), 1);
        QCOMPARE(QApplication::focusWidget(), t->box(int(Eingabe::Firma)));
        QVERIFY(!t->fenster->ausgabeFreigeben());
        QVERIFY(t->plattform->gefragt[0].contains("Denkfähigkeit: "));

        t->plattform->listenantworten = {{0, 0}};
        t->menue("mnuPruefen");
        QCOMPARE(t->fenster->reiter(untereLeiste), 3);
    }

    // A character the documents' font lacks is named with its box before a PDF or a print,
    // which the user may make all the same; a Word document's program has fonts of its own.
    void ZeichenOhneSchrift() {
        Zeugnisdaten d = vollstaendig();
        d.bereich(4) = {2, anzeigeAn};
        d.bereich(12) = {1, anzeigeAn};
        d.text(Eingabe::Name) = "Müßig – „Ä“ €";
        d.unterzeichner.funktion = "Leitung \U0010FFFD\U0010FFFD";
        t->fenster->datenSetzen(d);
        QVERIFY(t->fenster->ausgabeFreigeben() && t->plattform->gefragt.isEmpty());
        t->plattform->listenantworten = {{1, -1}};
        QVERIFY(t->fenster->ausgabeFreigeben(true));
        QCOMPARE(t->plattform->gefragt.size(), 1);
        QVERIFY2(t->plattform->gefragt[0].endsWith(
                     "[Funktion: Diese Zeichen kann die Schrift nicht darstellen: \U0010FFFD]"),
                 qPrintable(t->plattform->gefragt[0]));
    }
};

QTEST_MAIN(ZusatzangabenTest)
#include "zusatzangaben_test.moc"
