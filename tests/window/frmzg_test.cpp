// The main window driven by keyboard and mouse: what a grade, a flag, the gender and a box left
// compose, and where Enter, Tab and the arrows take the focus.
#include "compose/komposition.h"
#include "output/zeugnisaufbau.h"
#include "support/datentabelle.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"

#include <QtWidgets>

using namespace velmora;

class FrmzgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

private slots:
    void init() {
        t = std::make_unique<test::Testfenster>();
        t->zeigen();
    }

    // A show flag composes (the name set meanwhile goes in): Beendigungsgrund shown takes the
    // leaving sentence out of the Schlussformel. Grey counts as not shown; "Frau" rewrites every
    // graded preview.
    void NoteAnzeigeUndGeschlecht() {
        auto* anrede = t->element<QComboBox>("cmbang");
        anrede->setFocus();
        QTest::keyClick(anrede, Qt::Key_Down);
        t->klicken("opt1(1)");
        t->fenster->textSetzen(1, "Schmidt");
        t->klicken("chkAnz(0)");
        QVERIFY(t->fenster->vorschautext(1).startsWith("Herr Schmidt verfügt über umfassende"));
        QVERIFY(t->fenster->daten().bereich(1).angezeigt());
        t->fenster->anzeigeSetzen(1, Qt::PartiallyChecked);
        QVERIFY(!t->fenster->daten().bereich(1).angezeigt());
        for (int bereich = 2; bereich <= anzahlBereiche; ++bereich) {
            t->fenster->knopfSetzen(bereich, 0, true);
        }
        QVERIFY(t->fenster->vorschautext(13).startsWith("Auf seinen eigenen Wunsch"));
        t->fenster->reiterSetzen(untereLeiste, beendigungsgrund - 1);
        t->klicken("chkAnz(11)");
        QVERIFY(t->fenster->vorschautext(13).startsWith("Wir bedauern seine Entscheidung"));
        QTest::keyClick(anrede, Qt::Key_Down);
        QVERIFY(t->fenster->angezeigteVorschautexte()[0].starts_with("Frau Schmidt verfügt"));
        QCOMPARE(t->fenster->angezeigteVorschautexte(),
                 komponierteVorschautexte(t->fenster->daten()));
    }

    // A label beside its box on the employee's page stands on the box's baseline; the tasks
    // box shows five lines of 60 characters without wrapping.
    void BeschriftungenUndAufgabenfeld() {
        // The top of the same text in black, in the window's rows.
        const auto oberkante = [this](QWidget* feld) {
            const QImage bild = feld->grab().toImage();
            for (int y = 0; y < bild.height(); ++y) {
                for (int x = 0; x < bild.width(); ++x) {
                    if (qGray(bild.pixel(x, y)) < 80) {
                        return feld->mapTo(t->fenster.get(), QPoint(0, y)).y();
                    }
                }
            }
            return -1;
        };
        for (const Angabenfeld& feld : angabenfelder) {
            if (feld.seite == 0 && feld.beschriftungLinks < feld.feldLinks) {
                auto* label = t->element<QLabel>(QString("lblallg(%1)").arg(feld.beschriftungNr));
                t->box(feld.eingabe)->setText(label->text());
                QCOMPARE(oberkante(label), oberkante(t->box(feld.eingabe)));
            }
        }
        // 60 characters as a task reads.
        const QString aufgabe = "Prüfung der Eingangsrechnungen und Abstimmung der Kreditoren";
        t->fenster->reiterSetzen(obereLeiste, aufgabenReiter);
        auto* aufgaben = t->element<QPlainTextEdit>("txtAufgaben");
        aufgaben->setPlainText(QStringList(5, aufgabe).join('\n'));
        QCoreApplication::processEvents();
        QCOMPARE(aufgaben->document()->size().height(), 5.0);
        QCOMPARE(aufgaben->verticalScrollBar()->maximum(), 0);
    }

    // The phrasing beside the preview: a click composes at once and the clipboard follows;
    // the buttons have no access key, and the reason for leaving has none.
    void FormulierungWaehlen() {
        for (const auto& [bereich, formulierung] : {std::pair{1, 2}, {10, 3}, {13, 2}, {13, 1}}) {
            t->fenster->knopfSetzen(bereich, 1, true);
            t->fenster->anzeigeSetzen(bereich, Qt::Checked);
            const QString knopf =
                QString("optFormulierung%1(%2)").arg(bereich).arg(formulierung - 1);
            QVERIFY(!t->element<QRadioButton>(knopf)->text().contains('&'));
            const std::string vorher = t->fenster->vorschautext(bereich).toStdString();
            t->klicken(knopf);
            const Zeugnisdaten d = t->fenster->daten();
            QCOMPARE(d.bereich(bereich).formulierung, formulierung);
            const std::string jetzt = komponierteVorschautexte(d)[bereich - 1];
            QCOMPARE(t->fenster->vorschautext(bereich).toStdString(), jetzt);
            QVERIFY(jetzt != vorher); // each row chooses another phrasing than before
            t->element<QPushButton>("cmdfertig(1)")->click();
            QVERIFY(t->plattform->zwischenablage.last().contains(QString::fromStdString(jetzt)));
        }
        QVERIFY(!t->fenster->findChild<QWidget*>("optFormulierung12(0)"));
    }

    // Enter leaves a box as Tab does: a date box writes its date out, the previews are
    // composed anew, the next box gets the focus. A click into a box selects its text too.
    void EnterUndKlickInsFeld() {
        t->fenster->knopfSetzen(1, 1, true);
        for (const auto& [feld, eingabe, ergebnis] : {std::tuple{1, "Schmidt", "Schmidt"},
                                                      {7, "1.4.95", "01.04.1995"},
                                                      {7, "bald", "bald"}}) {
            t->tippen(feld, eingabe);
            QTest::keyClick(t->box(feld), Qt::Key_Return);
            QCOMPARE(t->fenster->text(feld), ergebnis);
            QVERIFY(t->fenster->vorschautext(1).startsWith("Herr Schmidt verfügt"));
            QVERIFY(t->box(feld + 1)->hasFocus() &&
                    t->box(feld + 1)->selectedText() == t->box(feld + 1)->text());
        }
        for (QLineEdit* box : {t->box(3), t->box(7)}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            QCOMPARE(box->selectedText(), box->text());
        }
    }

    // The box's context menu takes the focus without leaving the box: the date is neither
    // written out nor composed until the box is left.
    void KontextmenueVerlaesstDasFeldNicht() {
        t->fenster->knopfSetzen(13, 0, true);
        const QString vorher = t->fenster->vorschautext(13);
        t->tippen(8, "31.3.04");
        const QPoint mitte = t->box(8)->rect().center();
        QContextMenuEvent rechtsklick(QContextMenuEvent::Mouse, mitte,
                                      t->box(8)->mapToGlobal(mitte));
        QApplication::sendEvent(t->box(8), &rechtsklick);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(t->fenster->text(8), "31.3.04");
        QCOMPARE(t->fenster->vorschautext(13), vorher);
        QApplication::activePopupWidget()->close();
        QTRY_VERIFY(t->box(8)->hasFocus());
        QTest::keyClick(t->box(8), Qt::Key_Return);
        QVERIFY(t->fenster->vorschautext(13).contains("31.03.2004"));
    }

    // Enter alone moves on, from the main keys or the keypad; with Shift, Ctrl or Alt it stays.
    void EnterNurOhneUmschaltStrgAlt() {
        for (const auto& [taste, zusatz, weiter] :
             {std::tuple{Qt::Key_Return, Qt::ShiftModifier, false},
              {Qt::Key_Return, Qt::ControlModifier, false},
              {Qt::Key_Return, Qt::AltModifier, false},
              {Qt::Key_Enter, Qt::KeypadModifier, true}}) {
            t->fenster->textSetzen(7, {}); // the focus may have stayed
            t->tippen(7, "1.4.95");
            QTest::keyClick(t->box(7), taste, zusatz);
            QCOMPARE(t->box(8)->hasFocus(), weiter);
            QCOMPARE(t->fenster->text(7), weiter ? "01.04.1995" : "1.4.95");
        }
    }

    // The keys of the list beside this test in a grade group: where the focus goes, which
    // button is chosen, and that the arrows compose as a click does.
    void TabEnterUndPfeileInDerNotengruppe() {
        for (const auto& fall : test::datentabelle(VELMORA_DATEN "/notengruppen.txt")) {
            const int bereich = std::stoi(fall.at(0)), vorher = std::stoi(fall.at(1));
            const int nachher = std::stoi(fall.at(4));
            t->fenster->reiterSetzen(untereLeiste, bereich - 1);
            for (int knopf = 0; knopf < 6; ++knopf) {
                t->fenster->knopfSetzen(bereich, knopf, knopf == vorher);
            }
            t->element(QString("chkAnz(%1)").arg(bereich - 1))->setFocus(Qt::TabFocusReason);
            QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence(fall.at(2).c_str()));
            const QString wo = QString("%1 %2").arg(bereich).arg(fall[2].c_str());
            QVERIFY2(QApplication::focusWidget() == t->element(fall.at(3).c_str()), qPrintable(wo));
            QVERIFY2(t->fenster->daten().bereich(bereich).note == nachher + 1, qPrintable(wo));
            if (nachher >= 0) {
                QCOMPARE(t->fenster->vorschautext(bereich).toStdString(),
                         vorschautext(bereich, nachher + 1, Anredeformen::fuer(keinGeschlecht),
                                      t->fenster->daten()));
            }
        }
    }
};

QTEST_MAIN(FrmzgTest)
#include "frmzg_test.moc"
