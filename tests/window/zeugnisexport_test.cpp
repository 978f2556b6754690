#include "dokument.h"
#include "fakeplattform.h"
#include "frmzg.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace velmora {

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A base of its own page setup, so the test sees which base went in.
const QByteArray eigeneBasis = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
                               "\\paperw12240\\paperh15840\\margl1800\r\n}";

} // namespace

class ZeugnisexportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    void exportieren() {
        QTest::mouseClick(fenster->findChild<QPushButton*>(QStringLiteral("cmdfertig(0)")),
                          Qt::LeftButton);
    }
    QString imDokumentenordner(const QString& name) const {
        return QDir(plattform->dokumentenordnerPfad).filePath(name);
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }

    void cleanup() {
        fenster.reset();
        plattform.reset();
    }

    void schreibtNeueDateienUndOeffnetJede() {
        exportieren();
        exportieren();
        QCOMPARE(plattform->geoeffnet, QStringList({imDokumentenordner("Zeugnis.doc"),
                                                    imDokumentenordner("Zeugnis (2).doc")}));
        QVERIFY(plattform->meldungen.isEmpty());
        QCOMPARE(inhalt(imDokumentenordner("Zeugnis.doc")),
                 inhalt(imDokumentenordner("Zeugnis (2).doc")));
    }

    void eineVorhandeneDateiBleibtUnberuehrt() {
        QFile alt(imDokumentenordner("Zeugnis.doc"));
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("von Hand bearbeitet");
        alt.close();
        exportieren();
        QCOMPARE(inhalt(imDokumentenordner("Zeugnis.doc")), QByteArray("von Hand bearbeitet"));
        QCOMPARE(plattform->geoeffnet, QStringList{imDokumentenordner("Zeugnis (2).doc")});
    }

    // What the window shows, the date box just left included, is what the document holds;
    // the base beside the program gives its page setup.
    void dokumentDesFensterzustands() {
        QFile basis(QDir(plattform->programmordnerPfad).filePath(QStringLiteral("temp.doc")));
        QVERIFY(basis.open(QIODevice::WriteOnly));
        basis.write(eigeneBasis);
        basis.close();

        fenster->geschlechtWaehlen(frau);
        fenster->knopfSetzen(13, 0, true);
        fenster->anzeigeSetzen(13, Qt::Checked);
        fenster->reiterSetzen(frmzg::obereLeiste, 0);
        auto* austritt = fenster->findChild<QLineEdit*>(QStringLiteral("txtang(8)"));
        austritt->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(austritt, QStringLiteral("31.3.4"));
        exportieren();

        QCOMPARE(fenster->text(8), QStringLiteral("31.03.2004"));
        AngezeigteVorschautexte texte;
        for (int i = 0; i < anzahlBereiche; ++i) {
            texte[i] = fenster->vorschautext(i + 1).toStdString();
        }
        QVERIFY(texte[12].find("31.03.2004") != std::string::npos);
        const Zeugnisdokument erwartet =
            zeugnisdokument(fenster->daten(), texte, eigeneBasis.toStdString());
        QVERIFY(erwartet.basisVerwendet);
        QCOMPARE(inhalt(imDokumentenordner("Zeugnis.doc")),
                 QByteArray::fromStdString(erwartet.rtf));
        QVERIFY(inhalt(imDokumentenordner("Zeugnis.doc")).contains("\\paperw12240"));
    }

    void scheiterndesSchreibenWirdGemeldet() {
        plattform->neuAnlegenScheitert = QStringLiteral("Kein Speicherplatz mehr");
        exportieren();
        QVERIFY(plattform->geoeffnet.isEmpty());
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].titel, QStringLiteral("Velmora"));
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("Kein Speicherplatz mehr")));
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("Zeugnis.doc")));
        QVERIFY(!QFile::exists(imDokumentenordner("Zeugnis.doc")));
    }

    // A word processor that does not open the file costs nothing: the document is written.
    void nichtGeoeffnetMeldetNichts() {
        plattform->oeffnenGelingt = false;
        exportieren();
        QVERIFY(plattform->meldungen.isEmpty());
        QVERIFY(QFile::exists(imDokumentenordner("Zeugnis.doc")));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ZeugnisexportTest)
#include "zeugnisexport_test.moc"
