#include "app/programmende.h"
#include "dialogs/dialogaufruf.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmunterst.h"
#include "dialogs/kontakt.h"
#include "support/fakeplattform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace velmora {

// The About and the support dialog, each shown as the main window's menu shows it; the tests
// of each run in order on the same open dialog, the last one closes it. Then how the program
// ends with them.
class DialogeTest : public QObject {
    Q_OBJECT

    FakePlattform plattform;

    frmAbout* info() { return zeigeInfo(plattform); }
    static QWidget* fokus() { return QApplication::focusWidget(); }
    static void tab(Qt::Key taste = Qt::Key_Tab) { QTest::keyClick(fokus(), taste); }

    // Every text must show whole in its fixed box: wrapped at the box's width, its lines must
    // fit the box's height.
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

    // The support dialog's box with the focus must show its whole text selected.
    static void ganzMarkiert(int index) {
        QCOMPARE(fokus()->objectName(), QStringLiteral("txtBank(%1)").arg(index));
        auto* feld = static_cast<QLineEdit*>(fokus());
        QVERIFY(!feld->text().isEmpty());
        QCOMPARE(feld->selectedText(), feld->text());
    }

    // Closes the windows one after the other inside the program's event loop and answers
    // whether the loop ended (the program quit) right after the last one and not before it.
    static bool endetMitDemLetzten(const QList<QPointer<QWidget>>& fenster) {
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
        return QCoreApplication::exec() == 0 && geschlossen == fenster.size();
    }

private slots:
    void initTestCase() { endeMitDemLetztenFenster(*qApp); }

    void infoOhneBesitzerNichtModalUndNurEinmal() {
        const QPointer<frmAbout> dialog = info();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(!dialog->isModal() && !dialog->parentWidget());
        QCOMPARE(fokus()->objectName(), QStringLiteral("cmdOK"));
        tab();
        QCOMPARE(fokus()->objectName(), QStringLiteral("cmdSysInfo"));
        QCOMPARE(info(), dialog.data());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Velmora 1.0"));
        QCOMPARE(dialog->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.5.0"));
        passtJederText(dialog);
    }

    void versionstextUndKontaktblock() {
        for (const auto& [revision, text] :
             {std::pair{0, "Version 1.5.0"}, {12, "Version 1.5.12"}}) {
            QCOMPARE(velmora::versionstext(1, 5, revision), QString(text));
        }
        // Every line of the contact block is a link: the mail address, the last the web page.
        const QString mail = QStringLiteral("mailto:") + kontakt::mail;
        for (const char* zeile : {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)",
                                  "Label1(5)", "Label2"}) {
            plattform.geoeffnet.clear();
            QTest::mouseClick(info()->findChild<QLabel*>(zeile), Qt::LeftButton);
            const QString adresse = zeile == std::string_view("Label2") ? kontakt::webseite : mail;
            QVERIFY2(plattform.geoeffnet == QStringList{adresse}, zeile);
        }
    }

    void okSchliesstDieInfo() {
        const QPointer<frmAbout> dialog = info();
        dialog->findChild<QPushButton*>("cmdOK")->click();
        QTRY_VERIFY(!dialog); // deleted once closed
    }

    void unterstuetzenZeigtSeineTexte() {
        QWidget* dialog = zeigeUnterstuetzung();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Unterstützen Sie die Entwicklung"));
        // The beginning of each text, and its two slips as the program has them.
        const char* anfaenge[] = {
            "Der Velmora wird", "Wenn Sie also", "Falls Sie sich", "Begünstigter/Kontoinhaber:",
            "Kontonummer:",     "Bankleitzahl:", "Bank:",          "Falls Sie das Programm",
            "Vielen Dank für"};
        QString alle;
        for (int nummer = 1; nummer <= 9; ++nummer) {
            const QString text = dialog->findChild<QLabel*>(QString("Label%1").arg(nummer))->text();
            QVERIFY2(text.startsWith(QString::fromUtf8(anfaenge[nummer - 1])), qPrintable(text));
            alle += text;
        }
        QVERIFY(alle.contains("dass Programm weiter") && alle.contains("Rechnung übeer den"));
        passtJederText(dialog);
        // The bank boxes in two rows and two columns: holder and account left, code and bank right.
        QList<QPoint> lage;
        for (int index : {0, 1, 2, 3}) {
            lage << dialog->findChild<QLineEdit*>(QString("txtBank(%1)").arg(index))->pos();
        }
        QCOMPARE(QList({lage[0].y(), lage[1].y()}), QList({lage[2].y(), lage[3].y()})); // rows
        QCOMPARE(QList({lage[0].x(), lage[2].x()}), QList({lage[1].x(), lage[3].x()})); // columns
        QVERIFY(lage[0].y() < lage[1].y() && lage[0].x() < lage[2].x());
    }

    void tabGehtDurchDieFelderUndMarkiertJedesAuchNachDerAenderung() {
        for (int index : {0, 1, 2, 3}) {
            ganzMarkiert(index);
            tab();
        }
        QCOMPARE(fokus()->objectName(), QStringLiteral("cmdOK"));
        tab();
        ganzMarkiert(0);
        QTest::keyClick(fokus(), Qt::Key_End);
        QTest::keyClicks(fokus(), QStringLiteral(" 42"));
        tab();
        tab(Qt::Key_Backtab);
        ganzMarkiert(0);
        QVERIFY(qobject_cast<QLineEdit*>(fokus())->text().endsWith(" 42"));
    }

    void zurueckZumProgrammSchliesstDasEineFenster() {
        const QPointer<QWidget> dialog = zeigeUnterstuetzung();
        QCOMPARE(zeigeUnterstuetzung(), dialog.data());
        auto* cmdOK = dialog->findChild<QPushButton*>("cmdOK");
        QCOMPARE(cmdOK->text(), QStringLiteral("&Zurück zum Programm"));
        cmdOK->click();
        QTRY_VERIFY(!dialog);
    }

    void escapeSchliesstJedenDialog_data() {
        QTest::addColumn<bool>("ueber");
        QTest::newRow("Info") << true;
        QTest::newRow("Unterstuetzen") << false;
    }
    void escapeSchliesstJedenDialog() {
        QFETCH(bool, ueber);
        const QPointer<QWidget> dialog =
            ueber ? static_cast<QWidget*>(info()) : zeigeUnterstuetzung();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(fokus(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
    }

    void endetMitDemLetztenFenster_data() {
        // H the main window, I the About dialog, U the support dialog (a tool window).
        QTest::addColumn<QString>("reihenfolge");
        QTest::newRow("Info bleibt nach dem Hauptfenster") << "HI";
        QTest::newRow("Unterstuetzen bleibt nach dem Hauptfenster") << "HU";
        QTest::newRow("zwei Dialoge") << "UHI";
    }
    void endetMitDemLetztenFenster() {
        QFETCH(QString, reihenfolge);
        QWidget hauptfenster;
        hauptfenster.show();
        QList<QPointer<QWidget>> fenster;
        for (QChar art : reihenfolge) {
            fenster << (art == 'H'   ? &hauptfenster
                        : art == 'I' ? static_cast<QWidget*>(info())
                                     : zeigeUnterstuetzung());
        }
        QVERIFY(endetMitDemLetzten(fenster));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace velmora

QTEST_MAIN(velmora::DialogeTest)
#include "dialoge_test.moc"
