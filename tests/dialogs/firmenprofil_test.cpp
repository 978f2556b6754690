// The company profile dialog against the recording platform layer: what it keeps in the data
// folder, the logo copied there, and a save that fails.
#include "dialogs/frmfirmenprofil.h"
#include "support/fakeplattform.h"
#include "window/frmzg.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QImage>
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

    template <typename T> T* element(const char* name) const {
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
    QString imDatenordner(std::string_view name) const {
        return profilpfad(plattform->datenordnerPfad, name);
    }
    std::optional<Firmenprofil> gespeichert() const {
        QFile datei(imDatenordner(firmenprofildateiname));
        if (!datei.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return firmenprofilLesen(datei.readAll());
    }
    // A picture in the user's documents folder, as the file dialog answers it.
    QString bildablegen(const char* name, const char* format) {
        QImage bild(60, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkRed);
        const QString pfad = plattform->dokumentenordnerPfad + QLatin1Char('/') + name;
        bild.save(pfad, format);
        return pfad;
    }
    QByteArray inhalt(const QString& pfad) const {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    bool logoGezeigt() const { return !element<QLabel>("lblLogo")->pixmap().isNull(); }

    const Firmenprofil eingetragen = {"Zevuz GmbH",
                                      {"Zevuz GmbH", "", "Königsallee 1 · 40212 Düsseldorf"},
                                      "",
                                      "Düsseldorf",
                                      {"Dr. Eva Roth", "Personalleiterin", "ppa."}};

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        oeffnen();
    }
    void cleanup() { dialog.reset(); }

    // What is typed comes back the next time; empty lines at the letterhead's end are dropped,
    // those between its lines kept.
    void eintragen_speichern_wieder_oeffnen() {
        QCOMPARE(dialog->profil(), Firmenprofil());
        QCOMPARE(element<QLabel>("lblLogo")->text(), QStringLiteral("Kein Logo"));
        element<QLineEdit>("txtFirma")->setText("Zevuz GmbH");
        element<QPlainTextEdit>("txtBriefkopf")
            ->setPlainText("Zevuz GmbH\n\nKönigsallee 1 · 40212 Düsseldorf\n \n");
        element<QLineEdit>("txtOrt")->setText("Düsseldorf");
        element<QLineEdit>("txtUnterzeichner")->setText("Dr. Eva Roth");
        element<QLineEdit>("txtFunktion")->setText("Personalleiterin");
        element<QComboBox>("cmbVollmacht")->setCurrentIndex(2);
        klicken("cmdOK");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(gespeichert(), eingetragen);
        oeffnen();
        QCOMPARE(dialog->profil(), eingetragen);

        element<QLineEdit>("txtFirma")->setText("Anders AG");
        klicken("cmdAbbrechen");
        QCOMPARE(gespeichert(), eingetragen);
    }

    // The logo is copied into the data folder under the name of its format, so the original may
    // move; another format replaces it, "Entfernen" drops it.
    void logo_kopiert() {
        const QString png = bildablegen("Logo Zevuz.png", "PNG");
        plattform->dateiantworten = {png};
        klicken("cmdLogo");
        QVERIFY(logoGezeigt());
        klicken("cmdOK");
        QCOMPARE(gespeichert()->logo, "firmenlogo.png");
        QCOMPARE(inhalt(imDatenordner("firmenlogo.png")), inhalt(png));
        QVERIFY(QFile::remove(png));
        oeffnen();
        QVERIFY(logoGezeigt());

        plattform->dateiantworten = {bildablegen("logo.jpeg", "JPEG")};
        klicken("cmdLogo");
        klicken("cmdOK");
        QCOMPARE(gespeichert()->logo, "firmenlogo.jpg");
        QVERIFY(QFile::exists(imDatenordner("firmenlogo.jpg")));
        QVERIFY(!QFile::exists(imDatenordner("firmenlogo.png")));

        oeffnen();
        klicken("cmdEntfernen");
        QVERIFY(!logoGezeigt());
        klicken("cmdOK");
        QCOMPARE(gespeichert()->logo, "");
        QVERIFY(!QFile::exists(imDatenordner("firmenlogo.jpg")));
    }

    // A file that is no PNG or JPEG is refused with its reason; the dialog keeps what it had.
    void kein_bild() {
        const QString bmp = bildablegen("logo.png", "BMP");
        plattform->dateiantworten = {bmp};
        klicken("cmdLogo");
        QVERIFY(!logoGezeigt());
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].text,
                 QStringLiteral("„%1“ kann nicht als Logo verwendet werden.\nDie Datei ist kein "
                                "Bild im Format PNG oder JPEG.")
                     .arg(bmp));
    }

    // A save that fails says why and leaves the dialog open with the entries; the next one works.
    void speichern_gescheitert() {
        element<QLineEdit>("txtFirma")->setText("Zevuz GmbH");
        plattform->ersetzenScheitert = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
        klicken("cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(plattform->meldungen.size(), 1);
        QVERIFY(plattform->meldungen[0].text.contains(
            QStringLiteral("„%1“: Auf dem Datenträger ist kein Platz mehr.")
                .arg(imDatenordner(firmenprofildateiname))));
        QCOMPARE(element<QLineEdit>("txtFirma")->text(), QStringLiteral("Zevuz GmbH"));
        QVERIFY(!gespeichert());

        plattform->ersetzenScheitert.reset();
        plattform->umbenennenScheitert = true;
        klicken("cmdOK");
        QCOMPARE(plattform->meldungen.size(), 2);
        QVERIFY(!gespeichert());

        plattform->umbenennenScheitert = false;
        klicken("cmdOK");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(gespeichert()->firma, "Zevuz GmbH");
    }

    // The main window's file menu opens the dialog, modal and owned by the window.
    void aus_dem_dateimenue() {
        frmzg fenster(*plattform);
        QAction* eintrag = fenster.findChild<QAction*>("mnuFirmenprofil");
        QVERIFY(eintrag);
        QCOMPARE(eintrag->text(), QStringLiteral("Fir&menprofil…"));
        QVERIFY(fenster.findChild<QMenu*>("mnuDatei")->actions().contains(eintrag));
        bool gezeigt = false;
        QTimer::singleShot(0, this, [&] {
            auto* offen = qobject_cast<frmFirmenprofil*>(QApplication::activeModalWidget());
            gezeigt = offen && offen->parentWidget() == &fenster;
            if (offen) {
                offen->reject();
            }
        });
        eintrag->trigger();
        QVERIFY(gezeigt);
    }
};

QTEST_MAIN(FirmenprofilTest)
#include "firmenprofil_test.moc"
