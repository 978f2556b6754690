// The main window and its outputs, driven by keyboard and mouse against the recording platform
// layer.
#include "compose/komposition.h"
#include "output/dokument.h"
#include "output/klartext.h"
#include "platform/dateischicht.h"
#include "support/fakeplattform.h"
#include "ui/reiterfeld.h"
#include "window/frmzg.h"

#include <QTest>
#include <QtWidgets>

#include <map>
#include <memory>

using namespace velmora;

class FrmzgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    template <typename T = QAbstractButton> T* element(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        return gefunden ? gefunden : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit* box(int i) const { return element<QLineEdit>(QString("txtang(%1)").arg(i)); }
    void klicken(const QString& name) { QTest::mouseClick(element(name), Qt::LeftButton); }
    // Reached by the keyboard, a box has its text selected, so typing replaces it.
    void tippen(int i, const QString& text) {
        box(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box(i), text);
    }
    AngezeigteVorschautexte vorschautexte(bool alleBewerten = false) const {
        AngezeigteVorschautexte texte;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            if (alleBewerten) {
                fenster->knopfSetzen(bereich, 0, true);
            }
            texte[bereich - 1] = fenster->vorschautext(bereich).toStdString();
        }
        return texte;
    }
    QString dokument(const QString& name) const {
        return plattform->dokumentenordnerPfad + '/' + name;
    }
    static QString fachwissen2(const QString& wer, const QString& pronomen) {
        return wer + " verfügt über umfassende und vielseitige Fachkenntnisse, die " + pronomen +
               " jederzeit sicher und zielgerichtet in der Praxis einsetzte. ";
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    void fenster_reiter_und_hinweis() {
        QCOMPARE(fenster->windowTitle(), "Velmora");
        QVERIFY(!(fenster->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!fenster->centralWidget()->rect().intersects(element("cmbStandard")->geometry()));
        QCOMPARE(element("cmbStandard")->focusPolicy(), Qt::NoFocus);
        auto* unten = element<Reiterfeld>("tabang(0)");
        auto* oben = element<Reiterfeld>("tabang(1)");
        // Rows of 3 and 2 above: the inputs and the warning, then the tasks and the signature.
        QCOMPARE(oben->anzahl(), 5);
        QCOMPARE(oben->reiterRechteck(2).top(), 0);
        QVERIFY(oben->reiterRechteck(3).top() > 0);
        QCOMPARE(oben->beschriftung(4), "Unters&chrift");
        QCOMPARE(unten->anzahl(), anzahlBereiche);
        QCOMPARE(unten->beschriftung(0), "&Fachwissen");
        // Rows of 5, 5 and 3.
        QCOMPARE(unten->reiterRechteck(4).top(), 0);
        QCOMPARE(unten->reiterRechteck(5).top(), unten->reiterRechteck(9).top());
        QCOMPARE(unten->reiterRechteck(12).top(), 2 * unten->reiterRechteck(5).top());
        // Ten lines, each ended by a line break.
        const QStringList zeilen = element<QPlainTextEdit>("Text1")->toPlainText().split('\n');
        QCOMPARE(zeilen.size(), 11);
        QVERIFY(zeilen[1].contains(", im dem der Arbeitnehmer dann eine "));
    }

    // A show flag composes nothing (the name set meanwhile stays out), grey counts as not
    // shown; "Frau" rewrites every graded preview.
    void note_anzeige_und_geschlecht() {
        auto* anrede = element<QComboBox>("cmbang");
        anrede->setFocus();
        QTest::keyClick(anrede, Qt::Key_Down);
        klicken("opt1(1)");
        fenster->textSetzen(1, "Schmidt");
        klicken("chkAnz(0)");
        QCOMPARE(fenster->vorschautext(1), fachwissen2("Herr Mustermann", "er"));
        QVERIFY(fenster->daten().bereich(1).angezeigt());
        fenster->anzeigeSetzen(1, Qt::PartiallyChecked);
        QVERIFY(!fenster->daten().bereich(1).angezeigt());
        const AngezeigteVorschautexte fuerHerrn = vorschautexte(true);
        QTest::keyClick(anrede, Qt::Key_Down);
        const AngezeigteVorschautexte fuerFrau = vorschautexte();
        for (int i = 0; i < anzahlBereiche; ++i) {
            QVERIFY2(fuerFrau[i] != fuerHerrn[i], qPrintable(QString::number(i + 1)));
        }
        fenster->knopfSetzen(1, 1, true);
        QCOMPARE(fenster->vorschautext(1), fachwissen2("Frau Schmidt", "sie"));
    }

    // Enter leaves a box as Tab does: a date box writes its date out, the previews are
    // composed anew, the next box gets the focus. A click into a box selects its text too.
    void enter_und_klick_ins_feld() {
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        for (const auto& [feld, eingabe, ergebnis] : {std::tuple{1, "Schmidt", "Schmidt"},
                                                      {7, "1.4.95", "01.04.1995"},
                                                      {7, "bald", "bald"}}) {
            tippen(feld, eingabe);
            QTest::keyClick(box(feld), Qt::Key_Return);
            QCOMPARE(fenster->text(feld), ergebnis);
            QCOMPARE(fenster->vorschautext(1), fachwissen2("Herr Schmidt", "er"));
            QVERIFY(box(feld + 1)->hasFocus());
            QCOMPARE(box(feld + 1)->selectedText(), box(feld + 1)->text());
        }
        for (const int feld : {3, 7}) {
            QTest::mouseClick(box(feld), Qt::LeftButton, {}, box(feld)->rect().center());
            QCOMPARE(box(feld)->selectedText(), box(feld)->text());
        }
    }

    // The box's context menu takes the focus without leaving the box: the date is neither
    // written out nor composed until the box is left.
    void kontextmenue_verlaesst_das_feld_nicht() {
        fenster->knopfSetzen(13, 0, true);
        const QString vorher = fenster->vorschautext(13);
        tippen(8, "31.3.04");
        const QPoint mitte = box(8)->rect().center();
        QContextMenuEvent rechtsklick(QContextMenuEvent::Mouse, mitte, box(8)->mapToGlobal(mitte));
        QApplication::sendEvent(box(8), &rechtsklick);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(fenster->text(8), "31.3.04");
        QCOMPARE(fenster->vorschautext(13), vorher);
        QApplication::activePopupWidget()->close();
        QTRY_VERIFY(box(8)->hasFocus());
        QTest::keyClick(box(8), Qt::Key_Return);
        QCOMPARE(fenster->text(8), "31.03.2004");
        QVERIFY(fenster->vorschautext(13).contains("31.03.2004"));
    }

    // Enter alone moves on, from the main keys or the keypad; with Shift, Ctrl or Alt it stays.
    void enter_nur_ohne_umschalt_strg_alt() {
        for (const auto& [taste, zusatz, weiter] :
             {std::tuple{Qt::Key_Return, Qt::ShiftModifier, false},
              {Qt::Key_Return, Qt::ControlModifier, false},
              {Qt::Key_Return, Qt::AltModifier, false},
              {Qt::Key_Enter, Qt::KeypadModifier, true}}) {
            fenster->textSetzen(7, {}); // the focus may have stayed
            tippen(7, "1.4.95");
            QTest::keyClick(box(7), taste, zusatz);
            QCOMPARE(box(8)->hasFocus(), weiter);
            QCOMPARE(fenster->text(7), weiter ? "01.04.1995" : "1.4.95");
        }
    }

    // Each output sees the date box that still has the focus written out first; the document
    // takes its page setup from the base beside the program.
    void ausgaben_des_fensterzustands() {
        const std::string basis = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
                                  "\\paperw12240\\paperh15840\\margl1800\r\n}";
        QVERIFY(dateischicht::ersetzen(plattform->programmordnerPfad + "/temp.doc",
                                       Dateiart::Dokument, QByteArray::fromStdString(basis), {}));
        plattform->oeffnenGelingt = false; // costs nothing: the document is written
        fenster->geschlechtWaehlen(frau);
        fenster->anzeigeSetzen(13, Qt::Checked);
        vorschautexte(true);
        tippen(8, "31.3.04");
        element("cmdfertig(1)")->click(); // as where a button takes no focus from the mouse
        QCOMPARE(fenster->text(8), "31.03.2004");
        QVERIFY(vorschautexte()[12].find("31.03.2004") != std::string::npos);
        QCOMPARE(plattform->zwischenablage,
                 QStringList{QString::fromStdString(klartext(fenster->daten(), vorschautexte()))});
        box(8)->clear(); // the focus never left it
        QTest::keyClicks(box(8), "30.6.5");
        klicken("cmdfertig(0)");
        const Zeugnisdokument erwartet = zeugnisdokument(fenster->daten(), vorschautexte(), basis);
        QVERIFY(erwartet.basisVerwendet && erwartet.rtf.find("30.06.2005") != std::string::npos);
        QCOMPARE(
            dateischicht::lesen(dokument("Zeugnis.doc"), Dateiart::Dokument, 1 << 20).value_or(""),
            QByteArray::fromStdString(erwartet.rtf));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    // A failed write is reported and opens nothing; a file of the same name is never
    // overwritten; each new document is opened.
    void dokumente_nebeneinander() {
        plattform->neuAnlegenScheitert = "Kein Speicherplatz mehr";
        klicken("cmdfertig(0)");
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].titel, "Velmora");
        QVERIFY(plattform->meldungen[0].text.contains("Kein Speicherplatz mehr"));
        QVERIFY(plattform->meldungen[0].text.contains("Zeugnis.doc"));
        plattform->neuAnlegenScheitert.reset();
        klicken("cmdfertig(0)");
        QVERIFY(
            dateischicht::ersetzen(dokument("Zeugnis.doc"), Dateiart::Dokument, "von Hand", {}));
        klicken("cmdfertig(0)");
        QCOMPARE(plattform->geoeffnet,
                 QStringList({dokument("Zeugnis.doc"), dokument("Zeugnis (2).doc")}));
        QCOMPARE(dateischicht::lesen(dokument("Zeugnis.doc"), Dateiart::Dokument, 100).value_or(""),
                 "von Hand");
        QCOMPARE(plattform->meldungen.size(), 1);
    }

    void enter_auf_befehlsknopf_und_verweigerte_zwischenablage() {
        plattform->zwischenablageGelingt = false;
        tippen(0, "Erika");
        element("cmdfertig(1)")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].titel, "Velmora");
        QCOMPARE(fenster->text(0), "Erika");
    }

    // Only a group's chosen button is a tab stop (without a choice its first), for Tab and for
    // Enter alike; the arrows move the choice round the group and compose as a click does.
    void tab_enter_und_pfeile_in_der_notengruppe() {
        struct Fall {
            int bereich;
            int vorher;         // the chosen button, -1 none
            const char* tasten; // from the show flag: T Tab, B back, E Enter, arrows < > ^ v
            const char* fokus;
            int nachher;
        };
        const std::map<char, Qt::Key> taste = {{'T', Qt::Key_Tab},    {'B', Qt::Key_Backtab},
                                               {'E', Qt::Key_Return}, {'<', Qt::Key_Left},
                                               {'>', Qt::Key_Right},  {'^', Qt::Key_Up},
                                               {'v', Qt::Key_Down}};
        // After the last control of a page, the focus goes round to the upper strip.
        for (const auto& [bereich, vorher, tasten, fokus, nachher] :
             {Fall{3, 2, "T", "opt3(2)", 2}, Fall{3, 2, "E", "opt3(2)", 2},
              Fall{3, -1, "T", "opt3(0)", -1}, Fall{3, -1, "Tv", "opt3(1)", 1},
              Fall{3, 2, "T>", "opt3(3)", 3}, Fall{3, 2, "T^", "opt3(1)", 1},
              Fall{3, 0, "T<", "opt3(5)", 5}, Fall{3, 2, "T>BT", "opt3(3)", 3},
              Fall{3, 2, "T>E", "tabang(1)", 3}, Fall{12, 2, "Ev", "opt12(0)", 0}}) {
            fenster->reiterSetzen(untereLeiste, bereich - 1);
            for (int knopf = 0; knopf < 6; ++knopf) {
                fenster->knopfSetzen(bereich, knopf, knopf == vorher);
            }
            element<QCheckBox>(QString("chkAnz(%1)").arg(bereich - 1))
                ->setFocus(Qt::TabFocusReason);
            for (const char* zeichen = tasten; *zeichen; ++zeichen) {
                QTest::keyClick(QApplication::focusWidget(), taste.at(*zeichen));
            }
            const QString wo = QString("%1 %2").arg(bereich).arg(tasten);
            QVERIFY2(QApplication::focusWidget() == element<QWidget>(fokus), qPrintable(wo));
            QVERIFY2(fenster->daten().bereich(bereich).note == nachher + 1, qPrintable(wo));
            if (nachher >= 0) {
                QCOMPARE(fenster->vorschautext(bereich).toStdString(),
                         vorschautext(bereich, nachher + 1, Anredeformen::fuer(keinGeschlecht),
                                      fenster->daten()));
            }
        }
    }

    void vorschaulabels_der_bereiche_10_bis_13() {
        fenster->geschlechtWaehlen(herr);
        for (const auto& [bereich, label] : {std::pair{10, 12}, {11, 9}, {12, 10}, {13, 11}}) {
            auto* vorschau = element<QLabel>(QString("lblVorschau(%1)").arg(label));
            QVERIFY(element<Reiterfeld>("tabang(0)")->seite(bereich - 1)->isAncestorOf(vorschau));
            fenster->knopfSetzen(bereich, 0, true);
            QVERIFY(!vorschau->text().isEmpty());
            QCOMPARE(fenster->vorschautext(bereich), vorschau->text());
        }
    }
};

QTEST_MAIN(FrmzgTest)
#include "frmzg_test.moc"
