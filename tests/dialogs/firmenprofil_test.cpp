// The company profile dialog against the recording platform layer: what it keeps in the data
// folder, the logo copied there, a save that fails, and the main window's menu that opens it.
#include "dialogs/frmfirmenprofil.h"
#include "support/fakeplattform.h"
#include "support/testbild.h"
#include "window/frmzg.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

using namespace velmora;

class FirmenprofilTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmFirmenprofil> dialog;

    template <typename T = QLineEdit> T* element(const char* name) const {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    void oeffnen() {
        dialog = std::make_unique<frmFirmenprofil>(*plattform, nullptr);
        dialog->show();
    }
    void klicken(const char* knopf) {
        QTest::mouseClick(element<QPushButton>(knopf), Qt::LeftButton);
    }
    QByteArray inhalt(std::string_view name) const {
        return dateischicht::lesen(profilpfad(plattform->datenordnerPfad, name), Dateiart::Eigen,
                                   1 << 20)
            .value_or("");
    }
    Firmenprofil gespeichert() const { return firmenprofilLesen(inhalt(firmenprofildateiname)); }
    // A picture in the documents folder, chosen in the file dialog, and "Logo…" clicked.
    void logoWaehlen(const char* name, const char* format) {
        const QString pfad = plattform->dokumentenordnerPfad + QLatin1Char('/') + name;
        QVERIFY(
            dateischicht::ersetzen(pfad, Dateiart::Dokument, test::testbild(60, 30, format), {}));
        plattform->dateiantworten = {pfad};
        klicken("cmdLogo");
    }
    bool logoGezeigt() const { return !element<QLabel>("lblLogo")->pixmap().isNull(); }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        oeffnen();
    }

    // A save that fails says why and keeps the dialog open with the entries. What is saved
    // comes back the next time, empty lines at the letterhead's end dropped, those between its
    // lines kept; Abbrechen keeps nothing.
    void EintragenSpeichernWiederOeffnen() {
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
        plattform->ersetzenScheitert = QStringLiteral("Kein Platz mehr.");
        klicken("cmdOK");
        QVERIFY(dialog->isVisible() && inhalt(firmenprofildateiname).isEmpty());
        QVERIFY(plattform->meldungen.size() == 1 &&
                plattform->meldungen[0].contains(
                    profilpfad(plattform->datenordnerPfad, firmenprofildateiname) +
                    "“: Kein Platz mehr."));
        plattform->ersetzenScheitert.reset();
        klicken("cmdOK");
        QVERIFY(dialog->result() == QDialog::Accepted && gespeichert() == soll);
        oeffnen();
        QCOMPARE(dialog->profil(), soll);
        element("txtFirma")->setText("Anders AG");
        klicken("cmdAbbrechen");
        QCOMPARE(gespeichert(), soll);
    }

    // The logo is copied into the data folder under the name of its format, so the original may
    // move; another format replaces it, "Entfernen" drops it.
    void Logo() {
        logoWaehlen("Logo Zevuz.png", "PNG");
        QVERIFY(logoGezeigt());
        klicken("cmdOK");
        QCOMPARE(gespeichert().logo, "firmenlogo.png");
        QCOMPARE(inhalt("firmenlogo.png"), test::testbild(60, 30, "PNG"));
        QVERIFY(QFile::remove(plattform->dokumentenordnerPfad + "/Logo Zevuz.png"));
        oeffnen();
        QVERIFY(logoGezeigt());

        logoWaehlen("logo.jpeg", "JPEG");
        klicken("cmdOK");
        QVERIFY(gespeichert().logo == "firmenlogo.jpg" && inhalt("firmenlogo.png").isEmpty() &&
                !inhalt("firmenlogo.jpg").isEmpty());

        oeffnen();
        klicken("cmdEntfernen");
        QVERIFY(!logoGezeigt());
        klicken("cmdOK");
        QVERIFY(gespeichert().logo.empty() && inhalt("firmenlogo.jpg").isEmpty());
    }

    // The team folder is chosen in the folder dialog or typed; an emptied box ends the sharing
    // and leaves no trace in the file.
    void GemeinsamerOrdner() {
        plattform->dateiantworten = {QStringLiteral("/srv/personal/velmora")};
        klicken("cmdOrdner");
        klicken("cmdOK");
        QCOMPARE(gespeichert().teamordner, "/srv/personal/velmora");
        oeffnen();
        QCOMPARE(element("txtTeamordner")->text(), "/srv/personal/velmora");
        element("txtTeamordner")->setText("  ");
        klicken("cmdOK");
        QVERIFY(!inhalt(firmenprofildateiname).contains("teamordner"));
    }

    // The main window's file menu opens the dialog, modal and owned by the window.
    void AusDemDateimenue() {
        frmzg fenster(*plattform);
        bool gezeigt = false;
        QTimer::singleShot(0, this, [&] {
            auto* offen = qobject_cast<frmFirmenprofil*>(QApplication::activeModalWidget());
            gezeigt = offen && offen->parentWidget() == &fenster;
            QApplication::activeModalWidget()->close();
        });
        fenster.findChild<QAction*>("mnuFirmenprofil")->trigger();
        QVERIFY(gezeigt);
    }
};

QTEST_MAIN(FirmenprofilTest)
#include "firmenprofil_test.moc"
