// Each rule of the check before a reference goes out, found where it applies and silent where
// it does not.
#include "window/zeugnispruefung.h"

#include <QTest>

#include <functional>

using namespace velmora;

Q_DECLARE_METATYPE(std::function<void(Zeugnisdaten&)>)

namespace {

using Aenderung = std::function<void(Zeugnisdaten&)>;

// A reference with nothing to find: tasks entered, dates in order, grades that fit together.
Zeugnisdaten einwandfrei() {
    Zeugnisdaten daten = anfangsdaten();
    daten.aufgaben.liste = {"Leitung der Abteilung"};
    for (const int bereich : {1, 2, 10, 12, 13}) {
        daten.bereich(bereich) = {2, anzeigeAn};
    }
    daten.bereich(12).note = 1; // Arbeitnehmer
    return daten;
}

void note(Zeugnisdaten& d, int bereich, int wert) {
    d.bereich(bereich) = {wert, anzeigeAn};
}

} // namespace

class ZeugnispruefungTest : public QObject {
    Q_OBJECT

private slots:
    void befunde_data() {
        QTest::addColumn<Aenderung>("aenderung");
        QTest::addColumn<QStringList>("bereiche"); // where the findings lead, in order

        const auto fall = [](const char* name, Aenderung a, QStringList bereiche) {
            QTest::newRow(name) << a << bereiche;
        };
        fall("nichts", [](Zeugnisdaten&) {}, {});
        fall("Kündigung durch Arbeitgeber", [](Zeugnisdaten& d) { d.bereich(12).note = 2; },
             {"Schlussformel"});
        fall("Aufhebungsvertrag", [](Zeugnisdaten& d) { d.bereich(12).note = 3; },
             {"Schlussformel"});
        fall("Beendigungsgrund nicht gezeigt",
             [](Zeugnisdaten& d) {
                 d.bereich(12).note = 2;
                 d.bereich(12).anzeige = anzeigeGrau;
             },
             {});
        fall("Zwischenzeugnis mit Anlass 2",
             [](Zeugnisdaten& d) {
                 d.art = Zeugnisart::Zwischenzeugnis;
                 d.bereich(12).note = 2;
             },
             {});
        fall("gezeigt ohne Note", [](Zeugnisdaten& d) { d.bereich(4).anzeige = anzeigeAn; },
             {"Denkfähigkeit"});
        fall("nicht gezeigt ohne Note", [](Zeugnisdaten& d) { d.bereich(4).anzeige = anzeigeAus; },
             {});
        fall("Platzhalter", [](Zeugnisdaten& d) { d.aufgaben.liste = {" ", ""}; }, {"Aufgaben"});
        fall("Zeugnis vor Austritt", [](Zeugnisdaten& d) { d.text(Eingabe::Datum) = "29.6.03"; },
             {"Angaben zum Arbeitgeber"});
        fall("Austritt vor Eintritt",
             [](Zeugnisdaten& d) { d.text(Eingabe::Austrittsdatum) = "1. März 1995"; },
             {"Angaben zum Arbeitnehmer"});
        fall("geboren nach Eintritt",
             [](Zeugnisdaten& d) { d.text(Eingabe::Geburtsdatum) = "02.04.1995"; },
             {"Angaben zum Arbeitnehmer"});
        fall("Zwischenzeugnis ohne Austrittsregeln",
             [](Zeugnisdaten& d) {
                 d.art = Zeugnisart::Zwischenzeugnis;
                 d.text(Eingabe::Austrittsdatum) = "";
                 d.text(Eingabe::Datum) = "01.01.1990";
             },
             {});
        fall("kein Datum", [](Zeugnisdaten& d) { d.text(Eingabe::Datum) = "heute"; }, {});
        fall("Gesamtnote weit vom Durchschnitt",
             [](Zeugnisdaten& d) {
                 note(d, 1, 4);
                 note(d, 3, 5);
                 note(d, 13, 3);
             },
             {"Leistungsbeurteilung"}); // 2 against (4 + 2 + 5) / 3
        fall("Gesamtnote gerade noch nah",
             [](Zeugnisdaten& d) {
                 note(d, 1, 3);
                 note(d, 2, 3);
             },
             {}); // 2 against 3: one grade away is allowed
        fall("Schlussformel weit von der Gesamtnote", [](Zeugnisdaten& d) { note(d, 13, 4); },
             {"Schlussformel"});
        fall("Namen und Arbeitgeber fehlen",
             [](Zeugnisdaten& d) {
                 d.text(Eingabe::Name).assign(2, ' ');
                 d.text(Eingabe::Vorname).clear();
                 d.text(Eingabe::Firma).clear();
             },
             {"Angaben zum Arbeitnehmer", "Angaben zum Arbeitnehmer", "Angaben zum Arbeitgeber"});
    }

    void befunde() {
        QFETCH(Aenderung, aenderung);
        QFETCH(QStringList, bereiche);
        Zeugnisdaten daten = einwandfrei();
        aenderung(daten);
        QStringList gefunden;
        for (const Befund& befund : zeugnisPruefen(daten, QDate(2026, 12, 7))) {
            gefunden.append(befund.bereich);
            QVERIFY(!befund.text.isEmpty());
        }
        QCOMPARE(gefunden, bereiche);
    }

    // A finding leads to the tab that holds what it is about.
    void ziele() {
        Zeugnisdaten daten = einwandfrei();
        daten.bereich(4).anzeige = anzeigeAn;
        daten.aufgaben.liste.clear();
        daten.text(Eingabe::Firma).clear();
        const std::vector<Befund> befunde = zeugnisPruefen(daten, QDate(2026, 12, 7));
        QCOMPARE(befunde.size(), 3u);
        QCOMPARE(befunde[0].ziel, (Reiterziel{untereLeiste, 3}));
        QCOMPARE(befunde[1].ziel, (Reiterziel{obereLeiste, aufgabenReiter}));
        QCOMPARE(befunde[2].ziel, (Reiterziel{obereLeiste, arbeitgeberReiter}));
    }
};

QTEST_GUILESS_MAIN(ZeugnispruefungTest)
#include "zeugnispruefung_test.moc"
