// A file named on the command line, opened in the window at the end of the start, and the
// settings file read as a reference: both against the real window.
#include "app/programmstart.h"
#include "compose/komposition.h"
#include "platform/dateischicht.h"
#include "storage/eingabedatei.h"
#include "support/beispieldatei.h"
#include "support/fakeplattform.h"
#include "support/volleinstellungen.h"
#include "support/zufallszeugnis.h"
#include "window/frmzg.h"

#include <QTest>

#include <memory>

using namespace velmora;

class StartdateiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    void starten(const std::optional<QString>& datei = std::nullopt) {
        fenster = std::make_unique<frmzg>(*plattform);
        programmstart(*fenster, *plattform, datei);
    }
    QString ablegen(const QString& name, const QByteArray& inhalt) {
        const QString pfad = plattform->datenordnerPfad + '/' + name;
        return dateischicht::ersetzen(pfad, Dateiart::Dokument, inhalt, nullptr) ? pfad : QString();
    }
    // The window holds the inputs, grades and flags of the reference and shows its previews.
    void zeigt(const Zeugnisdaten& erwartet) {
        const Zeugnisdaten daten = fenster->daten();
        QCOMPARE(daten.texte, erwartet.texte);
        QCOMPARE(daten.geschlecht, erwartet.geschlecht);
        QVERIFY(daten.bereiche == erwartet.bereiche);
        const Vorschautexte vorschau = alleVorschautexte(erwartet);
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            QCOMPARE(fenster->vorschautext(bereich).toStdString(),
                     vorschau[bereich - 1].value_or(""));
        }
    }

private slots:
    void init() { plattform = std::make_unique<FakePlattform>(); }
    void cleanup() { fenster.reset(); }

    void zeugnisdatei() {
        std::mt19937 zufall(3);
        for (int durchlauf = 0; durchlauf < 10; ++durchlauf) {
            init();
            const Zeugnisdaten daten = test::zufallszeugnis(zufall, false);
            starten(ablegen("zufall.zeugnis", zeugnisdateiSchreiben(daten)));
            zeigt(daten);
            QVERIFY(plattform->meldungen.isEmpty());
        }
    }

    void kaputte_datei_aendert_nichts() {
        const QString datei = ablegen("kaputt.zeugnis", "{\"format\": \"velmora-zeugnis\"");
        starten(datei);
        zeigt(anfangsdaten());
        QCOMPARE(plattform->meldungen.size(), 1);
        QVERIFY(plattform->meldungen[0].text.contains("„" + datei + "“ ist kein gültiges"));
    }

    // What the window makes of a settings file is what the import makes of it.
    void einstellungen_wie_im_fenster() {
        for (const std::string& datei :
             {beispieldatei({{72, "True"}, {3, ""}}), beispieldatei({{2, std::string(40000, 'x')}}),
              beispieldatei({{1, "-1"}, {88, "2"}}, "\n", 50),
              einstellungenSchreiben(volleEinstellungen("Jarosława"))}) {
            init();
            ablegen("arbeitszeugnis.ini", QByteArray::fromStdString(datei));
            starten();
            zeigt(zeugnisAusEinstellungen(einstellungenLesen(datei)));
        }
    }
};

QTEST_MAIN(StartdateiTest)
#include "startdatei_test.moc"
