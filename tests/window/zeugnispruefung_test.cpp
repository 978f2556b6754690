// Each rule of the check before a reference goes out, found where it applies and silent where
// it does not.
#include "window/zeugnispruefung.h"

#include <QTest>

#include <algorithm>

using namespace velmora;

namespace {

// A reference with nothing to find (tasks entered, dates in order, grades that fit together),
// changed as `aenderungen` says, each change ended by ";": "12=2" grades section 12 and shows
// it, "12=grau" (or "an", "aus") sets its flag only, "Datum=heute" sets an input by its slot's
// name, "Aufgaben= ," the tasks, "Zwischenzeugnis" the kind.
Zeugnisdaten zeugnis(const QString& aenderungen) {
    Zeugnisdaten d = anfangsdaten();
    d.aufgaben.liste = {"Leitung der Abteilung"};
    for (const int bereich : {1, 2, 10, 12, 13}) {
        d.bereich(bereich) = {bereich == 12 ? 1 : 2, anzeigeAn}; // 12: Arbeitnehmer
    }
    for (const QString& aenderung : aenderungen.split(';', Qt::SkipEmptyParts)) {
        const QString name = aenderung.section('=', 0, 0);
        const QString wert = aenderung.section('=', 1);
        const auto eingabe = std::ranges::find(eingabeSlots, name.toStdString());
        const QStringList flaggen = {"aus", "an", "grau"};
        if (aenderung == "Zwischenzeugnis") {
            d.art = Zeugnisart::Zwischenzeugnis;
        } else if (name == "Aufgaben") {
            d.aufgaben.liste.clear();
            for (const QString& aufgabe : wert.split(',')) {
                d.aufgaben.liste.push_back(aufgabe.toStdString());
            }
        } else if (eingabe != eingabeSlots.end()) {
            d.texte[eingabe - eingabeSlots.begin()] = wert.toStdString();
        } else if (flaggen.contains(wert)) {
            d.bereich(name.toInt()).anzeige = int(flaggen.indexOf(wert));
        } else {
            d.bereich(name.toInt()) = {wert.toInt(), anzeigeAn};
        }
    }
    return d;
}

} // namespace

class ZeugnispruefungTest : public QObject {
    Q_OBJECT

private slots:
    void befunde_data() {
        QTest::addColumn<QString>("aenderungen");
        QTest::addColumn<QStringList>("bereiche"); // where the findings lead, in order
        const auto fall = [](const char* name, const char* aenderungen, QStringList bereiche) {
            QTest::newRow(name) << QString(aenderungen) << bereiche;
        };
        fall("nichts", "", {});
        fall("Kündigung durch Arbeitgeber", "12=2;", {"Schlussformel"});
        fall("Aufhebungsvertrag", "12=3;", {"Schlussformel"});
        fall("Beendigungsgrund nicht gezeigt", "12=2;12=grau;", {});
        fall("Zwischenzeugnis mit Anlass 2", "Zwischenzeugnis;12=2;", {});
        fall("gezeigt ohne Note", "4=an;", {"Denkfähigkeit"});
        fall("nicht gezeigt ohne Note", "4=aus;", {});
        fall("Platzhalter", "Aufgaben= ,;", {"Aufgaben"});
        fall("Zeugnis vor Austritt", "Datum=29.6.03;", {"Angaben zum Arbeitgeber"});
        fall("Austritt vor Eintritt", "Austrittsdatum=1. März 1995;", {"Angaben zum Arbeitnehmer"});
        fall("geboren nach Eintritt", "Geburtsdatum=02.04.1995;", {"Angaben zum Arbeitnehmer"});
        fall("Zwischenzeugnis ohne Austrittsregeln",
             "Zwischenzeugnis;Austrittsdatum=1. März 1995;Datum=29.6.03;", {});
        fall("kein Datum", "Datum=heute;", {});
        // 2 against (4 + 2 + 5) / 3; then one grade away, which is allowed.
        fall("Gesamtnote weit vom Durchschnitt", "1=4;3=5;13=3;", {"Leistungsbeurteilung"});
        fall("Gesamtnote gerade noch nah", "1=3;2=3;", {});
        fall("Schlussformel weit von der Gesamtnote", "13=4;", {"Schlussformel"});
        fall("Namen und Arbeitgeber fehlen", "Name=  ;Vorname=;Firma=;",
             {"Angaben zum Arbeitnehmer", "Angaben zum Arbeitnehmer", "Angaben zum Arbeitgeber"});
    }

    void befunde() {
        QFETCH(QString, aenderungen);
        QFETCH(QStringList, bereiche);
        QStringList gefunden;
        for (const Befund& befund : zeugnisPruefen(zeugnis(aenderungen), QDate(2026, 12, 7))) {
            gefunden.append(befund.bereich);
            QVERIFY(!befund.text.isEmpty());
        }
        QCOMPARE(gefunden, bereiche);
    }

    // A finding leads to the tab that holds what it is about.
    void ziele() {
        const std::vector<Befund> befunde =
            zeugnisPruefen(zeugnis("4=an;Aufgaben=;Firma=;"), QDate(2026, 12, 7));
        QCOMPARE(befunde.size(), 3u);
        QCOMPARE(befunde[0].ziel, (Reiterziel{untereLeiste, 3}));
        QCOMPARE(befunde[1].ziel, (Reiterziel{obereLeiste, aufgabenReiter}));
        QCOMPARE(befunde[2].ziel, (Reiterziel{obereLeiste, arbeitgeberReiter}));
    }
};

QTEST_GUILESS_MAIN(ZeugnispruefungTest)
#include "zeugnispruefung_test.moc"
