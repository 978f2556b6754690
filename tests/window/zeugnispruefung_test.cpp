// Each rule of the check before a reference goes out, found where it applies and silent where
// it does not.
#include "support/datentabelle.h"
#include "window/angabenfelder.h"
#include "window/zeugnispruefung.h"

#include <QTest>

#include <algorithm>

using namespace velmora;

namespace {

// A reference with nothing to find (a man, tasks entered, dates in order, grades that fit
// together), changed as `aenderungen` says, each change ended by ";": "12=2" grades section 12
// and shows it, "12=grau" (or "an", "aus") sets its flag only, "Datum=heute" sets an input by
// its slot's name, "Aufgaben= ," the tasks, "Geschlecht=-1" the gender, "Zwischenzeugnis" the
// kind, "ohneGeburt" leaves the birth data out, "2=Text:…" own words for section 2,
// "Abteilung=" the department.
Zeugnisdaten zeugnis(const QString& aenderungen) {
    Zeugnisdaten d = anfangsdaten();
    d.geschlecht = herr;
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
        } else if (aenderung == "ohneGeburt") {
            d.geburtsangaben = false;
        } else if (name == "Geschlecht") {
            d.geschlecht = wert.toInt();
        } else if (name == "Abteilung") {
            d.aufgaben.bereich = wert.toStdString();
        } else if (name == "Aufgaben") {
            d.aufgaben.liste.clear();
            for (const QString& aufgabe : wert.split(',')) {
                d.aufgaben.liste.push_back(aufgabe.toStdString());
            }
        } else if (eingabe != eingabeSlots.end()) {
            d.texte[eingabe - eingabeSlots.begin()] = wert.toStdString();
        } else if (wert.startsWith("Text:")) {
            d.eigenerText(name.toInt()) = wert.mid(5).toStdString();
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
    // Each reference of the list beside this test, and what is found in it.
    void Befunde() {
        for (const auto& fall : test::datentabelle(VELMORA_DATEN "/befunde.txt")) {
            QStringList gefunden;
            for (const Befund& befund :
                 zeugnisPruefen(zeugnis(QString::fromStdString(fall.at(0))), QDate(2026, 12, 7))) {
                gefunden.append(befund.bereich);
                QVERIFY(!befund.text.isEmpty());
            }
            const QString soll = QString::fromStdString(fall.at(1) == "-" ? "" : fall[1]);
            QVERIFY2(gefunden.join(',') == soll,
                     qPrintable(fall[0].c_str() + (": " + gefunden.join(','))));
        }
    }

    // A finding leads to the tab that holds what it is about, and into the box it names.
    void Ziele() {
        const std::vector<Befund> befunde = zeugnisPruefen(
            zeugnis("4=an;Aufgaben=;Geschlecht=-1;Tätigkeit=;Firma=;"), QDate(2026, 12, 7));
        QCOMPARE(befunde.size(), 5u);
        QCOMPARE(befunde[0].ziel, (Reiterziel{untereLeiste, 3}));
        QCOMPARE(befunde[1].ziel, (Reiterziel{obereLeiste, aufgabenReiter}));
        QCOMPARE(befunde[2].ziel, (Reiterziel{obereLeiste, 0}));
        QCOMPARE(befunde[2].box, geschlechtsbox);
        QCOMPARE(befunde[3].box, int(Eingabe::Taetigkeit));
        QCOMPARE(befunde[4].ziel, (Reiterziel{obereLeiste, reiterDerEingabe(Eingabe::Firma)}));
        QCOMPARE(befunde[4].box, int(Eingabe::Firma));
        QCOMPARE(befunde[0].box, keineBox);
    }
};

QTEST_GUILESS_MAIN(ZeugnispruefungTest)
#include "zeugnispruefung_test.moc"
