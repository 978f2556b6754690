// The About and the support dialog as the main window's menu shows them, headless: their
// keyboard, their links, their texts whole in their boxes, how each closes, and how the program
// ends with them.
#include "app/programmende.h"
#include "dialogs/dialogaufruf.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmunterst.h"
#include "dialogs/kontakt.h"
#include "support/fakeplattform.h"

#include <QTest>
#include <QtWidgets>

namespace velmora {

class DialogeTest : public QObject {
    Q_OBJECT

    FakePlattform plattform;

    static QWidget* fokus() { return QApplication::focusWidget(); }
    // Wrapped at its box's width, every text fits its box.
    static void passtJederText(const QWidget* dialog) {
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            const QRect noetig = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(noetig.height() <= label->height() && noetig.width() <= label->width(),
                     qPrintable(label->objectName()));
        }
        for (const QLineEdit* feld : dialog->findChildren<QLineEdit*>()) {
            QVERIFY2(feld->fontMetrics().horizontalAdvance(feld->text()) <
                         feld->contentsRect().width() - 2 * feld->textMargins().left() - 4,
                     qPrintable(feld->objectName()));
        }
    }
    QWidget* zeigen(bool ueber) {
        QWidget* dialog =
            ueber ? static_cast<QWidget*>(zeigeInfo(plattform)) : zeigeUnterstuetzung();
        return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
    }

private slots:
    void initTestCase() { endeMitDemLetztenFenster(*qApp); }

    // Without an owner, modeless and only once; the focus on OK, then the system information;
    // every line of the contact block a link, the last to the web page.
    void Info() {
        QWidget* dialog = zeigen(true);
        QVERIFY(dialog && !dialog->isModal() && !dialog->parentWidget());
        QCOMPARE(zeigeInfo(plattform), dialog);
        QCOMPARE(fokus()->objectName(), "cmdOK");
        QTest::keyClick(fokus(), Qt::Key_Tab);
        QCOMPARE(fokus()->objectName(), "cmdSysInfo");
        passtJederText(dialog);
        for (const char* zeile : {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)",
                                  "Label1(5)", "Label2"}) {
            QTest::mouseClick(dialog->findChild<QLabel*>(zeile), Qt::LeftButton);
        }
        QCOMPARE(plattform.geoeffnet, QStringList(6, "mailto:" + QString(kontakt::mail))
                                          << kontakt::webseite);
        dialog->close();
    }

    // Tab goes through the bank boxes, each with its whole text selected, also after a change.
    void Unterstuetzen() {
        QWidget* dialog = zeigen(false);
        QVERIFY(dialog && !dialog->isModal());
        QCOMPARE(zeigeUnterstuetzung(), dialog);
        passtJederText(dialog);
        const auto markiert = [](int index) {
            auto* feld = qobject_cast<QLineEdit*>(fokus());
            return feld && feld->objectName() == QStringLiteral("txtBank(%1)").arg(index) &&
                   !feld->text().isEmpty() && feld->selectedText() == feld->text();
        };
        for (const int index : {0, 1, 2, 3}) {
            QVERIFY(markiert(index));
            QTest::keyClick(fokus(), Qt::Key_Tab);
        }
        QCOMPARE(fokus()->objectName(), "cmdOK");
        QTest::keySequence(static_cast<QWidget*>(nullptr),
                           QKeySequence("Tab, End")); // to the focus
        QTest::keyClicks(fokus(), " 42");
        QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence("Tab, Backtab"));
        QVERIFY(markiert(0) && static_cast<QLineEdit*>(fokus())->text().endsWith(" 42"));
        dialog->close();
    }

    // Closed by its button or by Escape, a dialog is gone.
    void Schliessen() {
        for (const bool ueber : {true, false}) {
            for (const bool escape : {false, true}) {
                const QPointer<QWidget> dialog = zeigen(ueber);
                QVERIFY(dialog);
                if (escape) {
                    QTest::keyClick(fokus(), Qt::Key_Escape);
                } else {
                    dialog->findChild<QPushButton*>("cmdOK")->click();
                }
                QTRY_VERIFY(!dialog);
            }
        }
    }

    // The windows closed one after the other inside the program's event loop: the loop ends
    // (the program quits) right after the last one and not before it. H the main window, I the
    // About dialog, U the support dialog (a tool window).
    void EndetMitDemLetztenFenster() {
        for (const QString reihenfolge : {"HI", "HU", "UHI"}) {
            QWidget hauptfenster;
            hauptfenster.show();
            QList<QPointer<QWidget>> fenster;
            for (QChar art : reihenfolge) {
                fenster << (art == 'H' ? &hauptfenster : zeigen(art == 'I'));
            }
            qsizetype geschlossen = 0;
            QTimer schritt; // one window each time round the loop
            connect(&schritt, &QTimer::timeout, [&] {
                QVERIFY(fenster[geschlossen] && fenster[geschlossen]->isVisible());
                fenster[geschlossen++]->close();
                if (geschlossen == fenster.size()) {
                    schritt.stop();
                }
            });
            schritt.start(0);
            // A program that never quits would hang the test; this ends the loop with a failure.
            QTimer::singleShot(5000, &schritt, [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), 0);
            QCOMPARE(geschlossen, fenster.size());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

} // namespace velmora

QTEST_MAIN(velmora::DialogeTest)
#include "dialoge_test.moc"
