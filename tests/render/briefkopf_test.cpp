// The letterhead every document carries, read from the company profile and its logo in the
// data folder: what a missing, broken or oversized file leaves out, and how large the logo is
// set on the page.
#include "output/dokument.h"
#include "render/briefkopf.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/fakeplattform.h"
#include "support/testbild.h"

#include <QFile>
#include <QTest>

#include <memory>

using namespace velmora;
using test::testbild;

namespace {

// A PNG whose header claims another size than its pixels hold, its checksum made right.
QByteArray mitKopf(QByteArray png, quint32 breite, quint32 hoehe) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(breite >> (24 - 8 * i));
        png[20 + i] = char(hoehe >> (24 - 8 * i));
    }
    quint32 pruefsumme = 0xFFFFFFFF;
    for (int i = 12; i < 29; ++i) {
        pruefsumme ^= quint8(png[i]);
        for (int bit = 0; bit < 8; ++bit) {
            pruefsumme = (pruefsumme >> 1) ^ (0xEDB88320 & (0 - (pruefsumme & 1)));
        }
    }
    pruefsumme = ~pruefsumme;
    for (int i = 0; i < 4; ++i) {
        png[29 + i] = char(pruefsumme >> (24 - 8 * i));
    }
    return png;
}

} // namespace

class BriefkopfTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;

    void ablegen(std::string_view name, const QByteArray& inhalt) {
        QFile datei(profilpfad(plattform->datenordnerPfad, name));
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
    }
    static Firmenprofil profil(const QString& logo) {
        return {"Zevuz GmbH", {"Zevuz GmbH", "Königsallee 1"}, logo.toStdString(), "", {}};
    }

private slots:
    void init() { plattform = std::make_unique<FakePlattform>(); }

    // The logo as it is printed: 15 twips a pixel, shrunk to 2.5 cm high or the text's width;
    // the format as the bytes tell it. A logo that cannot be used leaves a note, the lines stay.
    void Logo() {
        const std::optional<Bildformat> png = Bildformat::Png, keins;
        for (const auto& [datei, name, format, groesse] :
             {std::tuple{testbild(40, 20, "PNG"), "firmenlogo.png", png, QSize(600, 300)},
              {testbild(200, 100, "JPEG"), "firmenlogo.jpg", Bildformat::Jpeg, QSize(2834, 1417)},
              {testbild(2000, 50, "PNG"), "firmenlogo.jpg", png, QSize(9072, 227)},
              {testbild(40, 20, "BMP"), "firmenlogo.png", keins, QSize()},
              {QByteArray("\x89PNG\r\n\x1a\n kaputt"), "firmenlogo.png", keins, QSize()},
              {QByteArray(hoechsteLogogroesse + 1, 'x'), "firmenlogo.png", keins, QSize()},
              // Beyond the limit of one image, more than the data holds, cut short.
              {mitKopf(testbild(40, 20, "PNG"), 30000, 30000), "firmenlogo.png", keins, QSize()},
              {mitKopf(testbild(40, 20, "PNG"), 400, 200), "firmenlogo.png", keins, QSize()},
              {testbild(40, 20, "PNG").chopped(20), "firmenlogo.png", keins, QSize()},
              {QByteArray(), "firmenlogo.jpg", keins, QSize()}}) {
            init();
            if (!datei.isEmpty()) {
                ablegen(name, datei);
            }
            const Briefkopf kopf = briefkopf(*plattform, profil(name), Seite{});
            QCOMPARE(kopf.zeilen, profil("").briefkopf);
            QCOMPARE(plattform->protokolliert.size(), format ? 0 : 1);
            QCOMPARE(kopf.logo.has_value(), format.has_value());
            if (kopf.logo) {
                QCOMPARE(kopf.logo->format, *format);
                QCOMPARE(QSize(kopf.logo->breite, kopf.logo->hoehe), groesse);
                QCOMPARE(QByteArray::fromStdString(kopf.logo->daten), datei);
            }
        }
    }

    // Every document carries the profile's letterhead, the page its logo as the file shows it;
    // without a profile, or with one that is broken or cannot be read, there is none and nobody
    // is asked (only the last leaves a note).
    void InJederAusgabe() {
        const Zeugnisdaten daten = anfangsdaten();
        QCOMPARE(
            rtfAusgabe(zeugnisausgabe(ausgabegrundlageLaden(*plattform), daten, {})),
            QByteArray::fromStdString(rtfDokument(zeugnismodell(daten, {}), eingebauteBasis())));
        ablegen(firmenprofildateiname, "{\"briefkopf\": 7, \"firma\": [");
        QCOMPARE(firmenprofilLaden(*plattform), Firmenprofil());

        ablegen(firmenprofildateiname, firmenprofilSchreiben(profil("firmenlogo.png")));
        ablegen("firmenlogo.png", testbild(40, 20, "PNG"));
        const Zeugnisausgabe ausgabe = zeugnisausgabe(ausgabegrundlageLaden(*plattform), daten, {});
        QCOMPARE(ausgabe.modell.briefkopf->zeilen, profil("").briefkopf);
        QVERIFY(rtfAusgabe(ausgabe).contains("{\\pict\\pngblip\\picwgoal600\\pichgoal300"));
        QCOMPARE(seitensatz(ausgabe.modell).seiten[0].bilder.at(0).bild,
                 QImage::fromData(testbild(40, 20, "PNG")));

        // The notes so far are the base document's, which the test's program folder lacks.
        const QString notizen = plattform->protokolliert.join(' ');
        QVERIFY(!notizen.contains(QStringLiteral("Firmenprofil")) && !notizen.contains("Logo"));
        plattform->protokolliert.clear();
        plattform->lesenScheitert = QStringLiteral("Eingabe-/Ausgabefehler");
        QCOMPARE(firmenprofilLaden(*plattform), Firmenprofil());
        QCOMPARE(plattform->protokolliert.size(), 1);
        QVERIFY(plattform->protokolliert[0].endsWith(QStringLiteral("Eingabe-/Ausgabefehler")));
        QVERIFY(plattform->meldungen.isEmpty() && plattform->gefragt.isEmpty());
    }
};

QTEST_MAIN(BriefkopfTest)
#include "briefkopf_test.moc"
