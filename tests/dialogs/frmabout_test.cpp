#include "fakeplattform.h"
#include "frmabout.h"
#include "kontakt.h"
#include "speicherregistrierung.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace velmora {

class FrmAboutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    Speicherregistrierung registrierung;
    QPointer<frmAbout> dialog;

    QLabel* beschriftung(const QString& name) const {
        auto* label = dialog->findChild<QLabel*>(name);
        if (!label) {
            qFatal("no label %s", qPrintable(name));
        }
        return label;
    }

    static void klick(QWidget* widget, QPoint loslassen) {
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, loslassen);
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        dialog = new frmAbout(*plattform, {registrierung, {}});
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    void cleanup() {
        if (dialog) {
            dialog->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }

    void versionstextSchreibtDieZahlenSchlicht_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.5.0") << 1 << 5 << 0 << "Version 1.5.0";
        QTest::newRow("Revision 12") << 1 << 5 << 12 << "Version 1.5.12";
        QTest::newRow("zweistellig") << 10 << 20 << 305 << "Version 10.20.305";
    }

    void versionstextSchreibtDieZahlenSchlicht() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(versionstext(major, minor, revision), text);
    }

    void zeigtDieVersionDesProgramms() {
        QCOMPARE(beschriftung(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.5.0"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Velmora 1.0"));
    }

    void okHatDenFokusUndSchliesst() {
        auto* cmdOK = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY(cmdOK);
        QCOMPARE(cmdOK->objectName(), QStringLiteral("cmdOK"));
        QTest::keyClick(cmdOK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cmdOK);
        cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }

    void jedeZeileDesKontaktblocksOeffnetIhreAdresse_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("adresse");
        const QString mail = QStringLiteral("mailto:") + QString::fromUtf8(kontakt::mail);
        for (int index = 0; index <= 5; ++index) {
            const QString name = QStringLiteral("Label1(%1)").arg(index);
            QTest::newRow(qPrintable(name)) << name << mail;
        }
        QTest::newRow("Label2") << "Label2" << QString::fromUtf8(kontakt::webseite);
    }

    void jedeZeileDesKontaktblocksOeffnetIhreAdresse() {
        QFETCH(QString, zeile);
        QFETCH(QString, adresse);
        QLabel* label = beschriftung(zeile);
        klick(label, label->rect().center());
        QCOMPARE(plattform->geoeffnet, QStringList{adresse});
        QVERIFY(dialog->isVisible());
    }

    void losgelassenNebenDerZeileOeffnetNichts() {
        QLabel* label = beschriftung(QStringLiteral("Label1(5)"));
        klick(label, label->rect().bottomRight() + QPoint(20, 20));
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(plattform->geoeffnet, QStringList());
    }

    void nurDieVerweiseSehenWieVerweiseAus_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("verweis");
        for (int index = 0; index <= 5; ++index) {
            const QString name = QStringLiteral("Label1(%1)").arg(index);
            QTest::newRow(qPrintable(name)) << name << (index == 5);
        }
        QTest::newRow("Label2") << "Label2" << true;
    }

    void nurDieVerweiseSehenWieVerweiseAus() {
        QFETCH(QString, zeile);
        QFETCH(bool, verweis);
        const QLabel* label = beschriftung(zeile);
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QCOMPARE(label->font().underline(), verweis);
        QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(0, 0, 255), verweis);
        QCOMPARE(label->cursor().shape() == Qt::PointingHandCursor, verweis);
    }

    void systeminfoOhneWerkzeugMeldetEsDemDialog() {
        dialog->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].besitzer, dialog.data());
        QVERIFY(dialog->isVisible());
    }
};

} // namespace velmora

QTEST_MAIN(velmora::FrmAboutTest)
#include "frmabout_test.moc"
