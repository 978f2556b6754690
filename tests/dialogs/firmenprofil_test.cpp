// The company profile dialog against the recording platform layer: what it keeps in the data
// folder, the logo copied there, and a save that fails.
#include "dialogs/frmfirmenprofil.h"
#include "support/fakeplattform.h"
#include "support/testbild.h"
#include "window/frmzg.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace velmora;

class FirmenprofilTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmFirmenprofil> dialog;

    template <typename T = QLineEdit> T* element(const char* name) const {
        T* gefunden = dialog->findChild<T*>(QLatin1String(name));
        return gefunden ? gefunden : (qFatal("no control %s", name), nullptr);
    }
    void oeffnen() {
        dialog = std::make_unique<frmFirmenprofil>(*plattform, nullptr);
        dialog->show();
    }
    void klicken(const char* knopf) {
        QTest::mouseClick(element<QPushButton>(knopf), Qt::LeftButton);
    }
    QByteArray inhalt(std::string_view name) const {
        QFile datei(profilpfad(plattform->datenordnerPfad, name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    Firmenprofil gespeichert() const { return firmenprofilLesen(inhalt(firmenprofildateiname)); }
    // A picture in the user's documents folder, as the file dialog answers it.
    QString bildAnbieten(const char* name, const char* format) {
        const QString pfad = plattform->dokumentenordnerPfad + QLatin1Char('/') + name;
        QFile datei(pfad);
        datei.open(QIODevice::WriteOnly);
        datei.write(test::testbild(60, 30, format));
        plattform->dateiantworten = {pfad};
        return pfad;
    }
    bool logoGezeigt() const { return !element<QLabel>("lblLogo")->pixmap().isNull(); }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        oeffnen();
    }
    void cleanup() { dialog.reset(); }

    // What is typed comes back the next time; empty lines at the letterhead's end are dropped,
    // those between its lines kept. Abbrechen keeps nothing.
    void eintragen_speichern_wieder_oeffnen() {
        const Firmenprofil soll = {"Zevuz GmbH",
                                   {"Zevuz GmbH", "", "Königsallee 1 · 40212 Düsseldorf"},
                                   "",
                                   "Düsseldorf",
                                   {"Dr. Eva Roth", "Personalleiterin", "ppa."}};
        QCOMPARE(dialog->profil(), Firmenprofil());
        element("txtFirma")->setText("Zevuz GmbH");
        element<QPlainTextEdit>("txtBriefkopf")
            ->setPlainText("Zevuz GmbH\n\nKönigsallee 1 · 40212 Düsseldorf\n \n");
        element("txtOrt")->setText("Düsseldorf");
        element("txtUnterzeichner")->setText("Dr. Eva Roth");
        element("txtFunktion")->setText("Personalleiterin");
        element<QComboBox>("cmbVollmacht")->setCurrentIndex(2);
        klicken("cmdOK");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(gespeichert(), soll);
        oeffnen();
        QCOMPARE(dialog->profil(), soll);
        element("txtFirma")->setText("Anders AG");
        klicken("cmdAbbrechen");
        QCOMPARE(gespeichert(), soll);
    }

    // The logo is copied into the data folder under the name of its format, so the original may
    // move; another format replaces it, "Entfernen" drops it.
    void logo() {
        const QString png = bildAnbieten("Logo Zevuz.png", "PNG");
        klicken("cmdLogo");
        QVERIFY(logoGezeigt());
        klicken("cmdOK");
        QCOMPARE(gespeichert().logo, "firmenlogo.png");
        QCOMPARE(inhalt("firmenlogo.png"), test::testbild(60, 30, "PNG"));
        QVERIFY(QFile::remove(png));
        oeffnen();
        QVERIFY(logoGezeigt());

        bildAnbieten("logo.jpeg", "JPEG");
        klicken("cmdLogo");
        klicken("cmdOK");
        QCOMPARE(gespeichert().logo, "firmenlogo.jpg");
        QVERIFY(inhalt("firmenlogo.png").isEmpty() && !inhalt("firmenlogo.jpg").isEmpty());

        oeffnen();
        klicken("cmdEntfernen");
        QVERIFY(!logoGezeigt());
        klicken("cmdOK");
        QCOMPARE(gespeichert().logo, "");
        QVERIFY(inhalt("firmenlogo.jpg").isEmpty());
    }

    // A save that fails says why and leaves the dialog open with the entries; the next works.
    void speichern_gescheitert() {
        element("txtFirma")->setText("Zevuz GmbH");
        plattform->ersetzenScheitert = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
        klicken("cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(plattform->meldungen.size(), 1);
        QVERIFY(plattform->meldungen[0].text.contains(
            QStringLiteral("„%1“: Auf dem Datenträger ist kein Platz mehr.")
                .arg(profilpfad(plattform->datenordnerPfad, firmenprofildateiname))));
        QVERIFY(inhalt(firmenprofildateiname).isEmpty());
        QCOMPARE(element("txtFirma")->text(), QStringLiteral("Zevuz GmbH"));

        plattform->ersetzenScheitert.reset();
        klicken("cmdOK");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(gespeichert().firma, "Zevuz GmbH");
    }

    // The main window's file menu opens the dialog, modal and owned by the window.
    void aus_dem_dateimenue() {
        frmzg fenster(*plattform);
        QAction* eintrag = fenster.findChild<QAction*>("mnuFirmenprofil");
        QVERIFY(eintrag && fenster.findChild<QMenu*>("mnuDatei")->actions().contains(eintrag));
        QCOMPARE(eintrag->text(), QStringLiteral("Fir&menprofil…"));
        bool gezeigt = false;
        QTimer::singleShot(0, this, [&] {
            auto* offen = qobject_cast<frmFirmenprofil*>(QApplication::activeModalWidget());
            gezeigt = offen && offen->parentWidget() == &fenster;
            QApplication::activeModalWidget()->close();
        });
        eintrag->trigger();
        QVERIFY(gezeigt);
    }
};

QTEST_MAIN(FirmenprofilTest)
#include "firmenprofil_test.moc"
