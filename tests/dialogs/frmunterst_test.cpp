#include "dialogaufruf.h"
#include "frmunterst.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace velmora {

class FrmUnterstTest : public QObject {
    Q_OBJECT

    QPointer<frmUnterst> dialog;

    QLineEdit* bankfeld(int index) const {
        return dialog->findChild<QLineEdit*>(QStringLiteral("txtBank(%1)").arg(index));
    }

    // The box with the focus must show its whole text selected.
    static void ganzMarkiert(const char* erwartet) {
        auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(feld);
        QCOMPARE(feld->objectName(), QString::fromLatin1(erwartet));
        QVERIFY(!feld->text().isEmpty());
        QCOMPARE(feld->selectedText(), feld->text());
    }

    static void tab(Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, tasten);
    }

    static void verwerfen(QWidget* fenster) {
        fenster->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() {
        dialog = zeigeUnterstuetzung();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    void cleanup() {
        if (dialog) {
            verwerfen(dialog);
        }
        QVERIFY(!dialog);
    }

    void oeffnetMitDemKontoinhaberGanzMarkiert() { ganzMarkiert("txtBank(0)"); }

    void tabGehtDurchDieFelderUndMarkiertJedes() {
        for (const char* name : {"txtBank(1)", "txtBank(2)", "txtBank(3)"}) {
            tab();
            ganzMarkiert(name);
        }
        tab();
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        tab();
        ganzMarkiert("txtBank(0)");
    }

    void nachDerAenderungWirdDerNeueTextGanzMarkiert() {
        tab();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" 42"));
        tab();
        tab(Qt::ShiftModifier);
        ganzMarkiert("txtBank(1)");
        QVERIFY(bankfeld(1)->text().endsWith(QStringLiteral(" 42")));
    }

    void einKlickMarkiertDenGanzenText() {
        QLineEdit* feld = bankfeld(3);
        QTest::mouseClick(feld, Qt::LeftButton, Qt::NoModifier, feld->rect().center());
        ganzMarkiert("txtBank(3)");
        // A second click in the box that already has the focus places the cursor as usual.
        QTest::mouseClick(feld, Qt::LeftButton, Qt::NoModifier, feld->rect().center());
        QVERIFY(feld->selectedText().isEmpty());
    }

    void zweimalGezeigtIstEinFenster() {
        bankfeld(2)->setText(QStringLiteral("geändert"));
        QCOMPARE(zeigeUnterstuetzung(), dialog.data());
        const QWidgetList fenster = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(fenster.begin(), fenster.end(),
                               [](QWidget* w) { return qobject_cast<frmUnterst*>(w); }),
                 1);
        QCOMPARE(bankfeld(2)->text(), QStringLiteral("geändert"));
    }

    void nachDemSchliessenKommtEinNeuesMitDenUrsprungstexten() {
        const QString vorher = bankfeld(2)->text();
        bankfeld(2)->setText(QStringLiteral("geändert"));
        verwerfen(dialog);
        QVERIFY(!dialog);
        dialog = zeigeUnterstuetzung();
        QCOMPARE(bankfeld(2)->text(), vorher);
    }

    void zurueckZumProgrammSchliesst() {
        auto* cmdOK = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(cmdOK->text(), QStringLiteral("&Zurück zum Programm"));
        cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }

    void werkzeugfensterOhneMinimierenUndMaximieren() {
        QCOMPARE(dialog->windowType(), Qt::Tool);
        QVERIFY(!(dialog->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Unterstützen Sie die Entwicklung"));
        QCOMPARE(dialog->size(), QSize(578, 350));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    }
};

} // namespace velmora

QTEST_MAIN(velmora::FrmUnterstTest)
#include "frmunterst_test.moc"
