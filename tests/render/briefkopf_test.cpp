// The letterhead every document carries, read from the company profile and its logo in the
// data folder: what a missing, broken or oversized file leaves out, and how large the logo is
// set on the page.
#include "output/dokument.h"
#include "render/briefkopf.h"
#include "render/zeugnisausgabe.h"
#include "support/fakeplattform.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTest>

#include <memory>

using namespace velmora;

namespace {

QByteArray bild(int breite, int hoehe, const char* format) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format) ? daten : (qFatal("cannot write %s", format), QByteArray());
}

} // namespace

class BriefkopfTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;

    void ablegen(const char* name, const QByteArray& inhalt) {
        QFile datei(plattform->datenordnerPfad + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    Firmenprofil profil(const char* logo) const {
        return {"Zevuz GmbH", {"Zevuz GmbH", "Königsallee 1 · 40212 Düsseldorf"}, logo, "", {}};
    }

private slots:
    void init() { plattform = std::make_unique<FakePlattform>(); }

    // The logo as it is printed: 15 twips a pixel, shrunk to 2.5 cm high or the text's width.
    void logo_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format"); // -1: no logo
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("small PNG as on screen")
            << bild(40, 20, "PNG") << "firmenlogo.png" << int(Bildformat::Png) << QSize(600, 300);
        QTest::newRow("JPEG shrunk to 2.5 cm") << bild(200, 100, "JPEG") << "firmenlogo.jpg"
                                               << int(Bildformat::Jpeg) << QSize(2834, 1417);
        QTest::newRow("wide PNG shrunk to the text's width")
            << bild(2000, 50, "PNG") << "firmenlogo.png" << int(Bildformat::Png)
            << QSize(9072, 227);
        QTest::newRow("the bytes tell the format, not the name")
            << bild(40, 20, "PNG") << "firmenlogo.jpg" << int(Bildformat::Png) << QSize(600, 300);
        QTest::newRow("BMP") << bild(40, 20, "BMP") << "firmenlogo.png" << -1 << QSize();
        QTest::newRow("broken") << QByteArray("\x89PNG\r\n\x1a\n kaputt") << "firmenlogo.png" << -1
                                << QSize();
        QTest::newRow("too large")
            << QByteArray(hoechsteLogogroesse + 1, 'x') << "firmenlogo.png" << -1 << QSize();
        QTest::newRow("missing") << QByteArray() << "firmenlogo.jpg" << -1 << QSize();
    }
    void logo() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, name);
        QFETCH(int, format);
        QFETCH(QSize, groesse);
        if (!datei.isEmpty()) {
            ablegen(qPrintable(name), datei);
        }
        const Briefkopf kopf = briefkopf(*plattform, profil(qPrintable(name)), Seite{});
        QCOMPARE(kopf.zeilen, profil("").briefkopf);
        if (format < 0) {
            QVERIFY(!kopf.logo);
            QCOMPARE(plattform->protokolliert.size(), 1);
            QVERIFY(plattform->protokolliert[0].startsWith(
                QStringLiteral("Das Logo „%1/%2“ bleibt aus dem Briefkopf weg: ")
                    .arg(plattform->datenordnerPfad, name)));
            return;
        }
        QVERIFY(kopf.logo);
        QCOMPARE(int(kopf.logo->format), format);
        QCOMPARE(QSize(kopf.logo->breite, kopf.logo->hoehe), groesse);
        QCOMPARE(QByteArray::fromStdString(kopf.logo->daten), datei);
        QVERIFY(plattform->protokolliert.isEmpty());
    }

    // No profile, a broken one, one that cannot be read: no letterhead and no question, only
    // the last leaves a note.
    void ohne_lesbares_profil() {
        QCOMPARE(firmenprofilLaden(*plattform), Firmenprofil());
        ablegen(firmenprofildateiname, "{\"briefkopf\": 7, \"firma\": [");
        QCOMPARE(firmenprofilLaden(*plattform), Firmenprofil());
        QVERIFY(plattform->protokolliert.isEmpty());
        plattform->lesenScheitert = QStringLiteral("Eingabe-/Ausgabefehler");
        QCOMPARE(firmenprofilLaden(*plattform), Firmenprofil());
        QCOMPARE(plattform->protokolliert.size(), 1);
        QVERIFY(plattform->protokolliert[0].endsWith(QStringLiteral("Eingabe-/Ausgabefehler")));
        QVERIFY(plattform->meldungen.isEmpty() && plattform->gefragt.isEmpty());
    }

    // Every document of the window and the command line carries the profile's letterhead;
    // without a profile it is the document it always was.
    void in_jeder_ausgabe() {
        const Zeugnisdaten daten = anfangsdaten();
        const QByteArray ohne = rtfAusgabe(zeugnisausgabe(*plattform, daten, {}));
        QCOMPARE(ohne, QByteArray::fromStdString(rtfDokument(zeugnismodell(daten, {}), {}).rtf));

        ablegen(firmenprofildateiname, firmenprofilSchreiben(profil("firmenlogo.png")));
        ablegen("firmenlogo.png", bild(40, 20, "PNG"));
        const Zeugnisausgabe ausgabe = zeugnisausgabe(*plattform, daten, {});
        QCOMPARE(ausgabe.modell.briefkopf.zeilen, profil("").briefkopf);
        QVERIFY(ausgabe.modell.briefkopf.logo);
        QVERIFY(rtfAusgabe(ausgabe).contains("{\\pict\\pngblip\\picwgoal600\\pichgoal300"));
    }
};

QTEST_MAIN(BriefkopfTest)
#include "briefkopf_test.moc"
