// The main window's settings file, written and read by the real window against the recording
// platform layer.
#include "beispieldatei.h"
#include "dateiablage.h"
#include "fensterzustand.h"
#include "frmzg.h"
#include "programmstart.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace velmora {

namespace {

const QString einstellungsdatei = QStringLiteral("arbeitszeugnis.ini");

const QString fachwissen2Frau = QStringLiteral(
    "Frau Mustermann verfügt über umfassende und vielseitige Fachkenntnisse, die sie jederzeit "
    "sicher und zielgerichtet in der Praxis einsetzte. ");

Qt::CheckState haekchen(int zustand) {
    return zustand == anzeigeAn ? Qt::Checked
                                : (zustand == anzeigeGrau ? Qt::PartiallyChecked : Qt::Unchecked);
}

// A state whose texts differ from those the window starts with, so that a lost line shows.
Einstellungen erikaGabler() {
    Einstellungen e;
    e.geschlecht = frau;
    e.texte = {"Erika",         "Gabler", "02.03.1960", "Köln",       "Buchhalterin",
               "Beispiel GmbH", "Bonn",   "01.01.1990", "31.12.2004", "31.12.2004"};
    e.knoepfe[0] = 1;
    e.knoepfe[11] = 2;
    e.knoepfe[12] = 5;
    e.anzeige[0] = anzeigeAn;
    e.anzeige[12] = anzeigeAn;
    e.reiter = {12, 1};
    return e;
}

// The lines of a state's file, numbered from 1 as in beispielzeilen.
std::vector<std::string> zeilenVon(const Einstellungen& zustand) {
    std::vector<std::string> zeilen = {""};
    const std::string datei = einstellungenSchreiben(zustand);
    for (std::size_t anfang = 0; anfang < datei.size();) {
        const std::size_t ende = datei.find("\r\n", anfang);
        zeilen.push_back(datei.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    return zeilen;
}

std::vector<std::string> geaendert(std::vector<std::string> zeilen, std::size_t nummer,
                                   std::string wert) {
    zeilen[nummer] = std::move(wert);
    return zeilen;
}

} // namespace

class EinstellungsdateiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    // The program's start against the fake, with whatever lies in its data folder.
    void starten() {
        fenster = std::make_unique<frmzg>(*plattform);
        programmstart(*fenster, *plattform);
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    Einstellungen anfangszustand() const {
        FakePlattform leer;
        return fensterzustand(frmzg(leer));
    }
    // Brings the window into a state through its own setters, as the user's clicks would.
    void einstellen(const Einstellungen& zustand) {
        for (int i = 0; i < anzahlEingaben; ++i) {
            fenster->textSetzen(i, QString::fromStdString(zustand.texte[i]));
        }
        fenster->geschlechtWaehlen(zustand.geschlecht);
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            if (const auto knopf = zustand.knoepfe[bereich - 1]) {
                fenster->knopfSetzen(bereich, *knopf, true);
            }
            fenster->anzeigeSetzen(bereich, haekchen(zustand.anzeige[bereich - 1]));
        }
        fenster->reiterSetzen(frmzg::untereLeiste, zustand.reiter[untereLeiste]);
        fenster->reiterSetzen(frmzg::obereLeiste, zustand.reiter[obereLeiste]);
    }
    template <typename T> T* element(const QString& name) const {
        auto* gefunden = fenster->findChild<T*>(name);
        if (!gefunden) {
            qFatal("no control %s", qPrintable(name));
        }
        return gefunden;
    }
    // A click on a control of the lower strip, its page shown first.
    void klicken(int bereich, const QString& name) {
        fenster->reiterSetzen(frmzg::untereLeiste, bereich - 1);
        QTest::mouseClick(element<QAbstractButton>(name), Qt::LeftButton);
    }
    QByteArray gespeichert() const {
        const auto inhalt = abgelegt(*plattform, einstellungsdatei);
        return inhalt ? *inhalt : QByteArray("(keine Datei)");
    }

private slots:
    void init() { plattform = std::make_unique<FakePlattform>(); }
    void cleanup() {
        fenster.reset();
        plattform.reset();
    }

    void beispiel_auf_jedem_weg_geschrieben_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf Beenden") << QStringLiteral("cmdfertig(2)");
        QTest::newRow("Menü Beenden") << QStringLiteral("mnuBeenden");
        QTest::newRow("Schließfeld") << QString();
    }

    void beispiel_auf_jedem_weg_geschrieben() {
        QFETCH(QString, weg);
        starten();
        fenster->geschlechtWaehlen(frau);
        klicken(1, QStringLiteral("opt1(1)"));
        klicken(1, QStringLiteral("chkAnz(0)"));
        klicken(12, QStringLiteral("opt12(2)"));
        klicken(13, QStringLiteral("opt13(5)"));
        klicken(13, QStringLiteral("chkAnz(12)"));

        if (weg == QStringLiteral("mnuBeenden")) {
            element<QAction>(weg)->trigger();
        } else if (!weg.isEmpty()) {
            QTest::mouseClick(element<QAbstractButton>(weg), Qt::LeftButton);
        } else {
            QVERIFY(fenster->close());
        }

        QVERIFY(!fenster->isVisible());
        QCOMPARE(gespeichert(), bytes(zusammenfuegen(beispielzeilen())));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void speichern_laden_speichern_data() {
        QTest::addColumn<Einstellungen>("zustand");
        QTest::newRow("Beispiel") << beispielzustand();
        QTest::newRow("Erika Gabler") << erikaGabler();
        Einstellungen grau = erikaGabler();
        grau.geschlecht = keinGeschlecht;
        grau.anzeige = {anzeigeGrau, anzeigeAn,  anzeigeGrau, anzeigeAus, anzeigeAus,
                        anzeigeAus,  anzeigeAus, anzeigeAus,  anzeigeAus, anzeigeAus,
                        anzeigeAus,  anzeigeAus, anzeigeGrau};
        QTest::newRow("ohne Geschlecht, grau") << grau;
        Einstellungen blanks = erikaGabler();
        blanks.texte[0] = "  Erika ";
        blanks.texte[3] = " Köln";
        blanks.texte[5] = "Beispiel GmbH   ";
        blanks.texte[6] = "";
        QTest::newRow("Blanks um Texte") << blanks;
        Einstellungen polnisch = erikaGabler();
        polnisch.texte[0] = "Jarosław";
        polnisch.texte[1] = "Łukasiewicz";
        QTest::newRow("ł") << polnisch;
        Einstellungen alle = beispielzustand();
        for (int b = 0; b < anzahlBereiche; ++b) {
            alle.knoepfe[b] = b == beendigungsgrund - 1 ? 0 : 5 - b % 6;
            alle.anzeige[b] = anzeigeAn;
        }
        alle.reiter = {6, 2};
        QTest::newRow("alle Bereiche bewertet") << alle;
    }

    void speichern_laden_speichern() {
        QFETCH(Einstellungen, zustand);
        starten();
        einstellen(zustand);
        QCOMPARE(fensterzustand(*fenster), zustand);
        QVERIFY(fenster->close());
        const QByteArray erstmals = gespeichert();
        QCOMPARE(erstmals, bytes(einstellungenSchreiben(zustand)));

        starten();
        QCOMPARE(fensterzustand(*fenster), zustand);
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            QCOMPARE(fenster->anzeige(bereich), haekchen(zustand.anzeige[bereich - 1]));
        }
        QVERIFY(fenster->close());
        QCOMPARE(gespeichert(), erstmals);
    }

    void grau_und_ohne_geschlecht_in_der_datei() {
        starten();
        fenster->anzeigeSetzen(5, Qt::PartiallyChecked);
        QVERIFY(fenster->close());
        auto zeilen = beispielzeilen();
        zeilen[1] = "-1";
        for (int zeile = 12; zeile <= 99; ++zeile) {
            zeilen[zeile] = zeile < 87 ? "False" : (zeile == 91 ? "2" : "0");
        }
        zeilen[100] = "0";
        QCOMPARE(gespeichert(), bytes(zusammenfuegen(zeilen)));
    }

    void geladene_vorschauen_wie_geklickt() {
        ablegen(*plattform, einstellungsdatei, bytes(einstellungenSchreiben(erikaGabler())));
        starten();
        QStringList geladen;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            geladen.append(fenster->vorschautext(bereich));
        }

        fenster.reset();
        plattform = std::make_unique<FakePlattform>();
        starten();
        const Einstellungen zustand = erikaGabler();
        for (int i = 0; i < anzahlEingaben; ++i) {
            fenster->textSetzen(i, QString::fromStdString(zustand.texte[i]));
        }
        fenster->geschlechtWaehlen(frau);
        klicken(1, QStringLiteral("opt1(1)"));
        klicken(12, QStringLiteral("opt12(2)"));
        klicken(13, QStringLiteral("opt13(5)"));
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            QCOMPARE(geladen[bereich - 1], fenster->vorschautext(bereich));
        }
        QVERIFY(geladen[0].startsWith(QStringLiteral("Frau Gabler verfügt")));
    }

    void zahlen_und_schalter_locker_geschrieben() {
        auto zeilen = beispielzeilen();
        zeilen[1] = " 1 ";
        zeilen[24] = "TRUE";
        zeilen[83] = "true";
        zeilen[86] = "fAlSe";
        zeilen[99] = "  1";
        zeilen[100] = "12 ";
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(zeilen)));
        starten();
        QCOMPARE(fenster->geschlecht(), frau);
        QVERIFY(fenster->knopfGewaehlt(1, 1));
        QVERIFY(fenster->knopfGewaehlt(13, 5));
        QVERIFY(!fenster->knopfGewaehlt(12, 2));
        QCOMPARE(fenster->anzeige(13), Qt::Checked);
        QCOMPARE(fenster->reiter(frmzg::untereLeiste), 12);
        QCOMPARE(fenster->vorschautext(1), fachwissen2Frau);
    }

    void zwei_mal_true_der_letzte_gilt_data() {
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("zweite");
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("knopf");
        QTest::newRow("Fachwissen 1 und 6") << 12 << 72 << 1 << 5;
        QTest::newRow("Schlussformel 1 und 2") << 23 << 35 << 13 << 1;
        QTest::newRow("Arbeitnehmer und Aufhebungsvertrag") << 84 << 86 << 12 << 2;
    }

    void zwei_mal_true_der_letzte_gilt() {
        QFETCH(int, erste);
        QFETCH(int, zweite);
        QFETCH(int, bereich);
        QFETCH(int, knopf);
        auto zeilen = zeilenVon(Einstellungen{});
        zeilen[1] = "0";
        zeilen[erste] = "True";
        zeilen[zweite] = "True";
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(zeilen)));
        starten();
        const int knoepfe = bereich == beendigungsgrund ? beendigungsknoepfe : notenknoepfe;
        for (int k = 0; k < knoepfe; ++k) {
            QCOMPARE(fenster->knopfGewaehlt(bereich, k), k == knopf);
        }
        const QString geladen = fenster->vorschautext(bereich);
        klicken(bereich, QStringLiteral("opt%1(%2)").arg(bereich).arg(knopf));
        QCOMPARE(geladen, fenster->vorschautext(bereich));
    }

    void kaputte_datei_laesst_das_fenster_brauchbar_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<Einstellungen>("erwartet");

        const Einstellungen anfang = anfangszustand();
        const auto gut = zeilenVon(erikaGabler());

        Einstellungen vierzig = anfang;
        vierzig.geschlecht = frau;
        vierzig.texte = erikaGabler().texte;
        vierzig.knoepfe[0] = 1;
        QTest::newRow("40 Zeilen")
            << bytes(zusammenfuegen({gut.begin(), gut.begin() + 41})) << vierzig;
        QTest::newRow("leer") << QByteArray() << anfang;

        QByteArray muell;
        for (unsigned zahl = 12345; muell.size() < 4000;) {
            zahl = zahl * 1103515245u + 12345u;
            const char zeichen = static_cast<char>(zahl >> 16);
            if (zeichen != '\n' && zeichen != '\r') {
                muell.append(zeichen);
            }
        }
        QTest::newRow("Binärmüll") << muell << anfang;

        Einstellungen ohneVorname = erikaGabler();
        ohneVorname.texte[0] = anfang.texte[0];
        QTest::newRow("10-MB-Zeile")
            << bytes(zusammenfuegen(geaendert(gut, 2, std::string(10'000'000, 'x'))))
            << ohneVorname;

        Einstellungen ohneGeschlecht = erikaGabler();
        ohneGeschlecht.geschlecht = keinGeschlecht;
        QTest::newRow("Geschlecht 7")
            << bytes(zusammenfuegen(geaendert(gut, 1, "7"))) << ohneGeschlecht;

        Einstellungen ersterReiter = erikaGabler();
        ersterReiter.reiter[untereLeiste] = 0;
        QTest::newRow("Reiter 99")
            << bytes(zusammenfuegen(geaendert(gut, 100, "99"))) << ersterReiter;

        Einstellungen ohneAnzeige = erikaGabler();
        ohneAnzeige.anzeige[0] = anzeigeAus;
        QTest::newRow("Anzeige 3") << bytes(zusammenfuegen(geaendert(gut, 87, "3"))) << ohneAnzeige;
    }

    void kaputte_datei_laesst_das_fenster_brauchbar() {
        QFETCH(QByteArray, datei);
        QFETCH(Einstellungen, erwartet);
        ablegen(*plattform, einstellungsdatei, datei);
        starten();
        QCOMPARE(fensterzustand(*fenster), erwartet);
        QVERIFY(plattform->meldungen.isEmpty());

        fenster->geschlechtWaehlen(frau);
        klicken(2, QStringLiteral("opt2(0)"));
        QVERIFY(!fenster->vorschautext(2).isEmpty());
        QVERIFY(fenster->close());
        erwartet.geschlecht = frau;
        erwartet.knoepfe[1] = 0;
        erwartet.reiter[untereLeiste] = 1;
        QCOMPARE(gespeichert(), bytes(einstellungenSchreiben(erwartet)));
    }

    void unterbrochenes_speichern_laesst_die_alte_datei() {
        const QByteArray alt = bytes(zusammenfuegen(beispielzeilen()));
        ablegen(*plattform, einstellungsdatei, alt);
        starten();
        fenster->geschlechtWaehlen(herr);
        plattform->ersetzenScheitert = QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr");
        QVERIFY(!fenster->close());
        QCOMPARE(gespeichert(), alt);
        QCOMPARE(plattform->meldungen.size(), 1);
        const auto& meldung = plattform->meldungen.first();
        QCOMPARE(meldung.titel, QStringLiteral("Velmora"));
        QCOMPARE(meldung.symbol, Meldungssymbol::Ausruf);
        QCOMPARE(meldung.besitzer, fenster.get());
        QVERIFY(meldung.text.contains(QStringLiteral("kein Speicherplatz")));
        QVERIFY(meldung.text.contains(abgelegterPfad(*plattform, einstellungsdatei)));
    }

    void gescheitertes_speichern_behaelt_das_fenster_data() {
        QTest::addColumn<bool>("wiederGescheitert");
        QTest::newRow("zweites Schließen scheitert auch") << true;
        QTest::newRow("zweites Schließen gelingt") << false;
    }

    void gescheitertes_speichern_behaelt_das_fenster() {
        QFETCH(bool, wiederGescheitert);
        starten();
        einstellen(erikaGabler());
        plattform->ersetzenScheitert = QStringLiteral("Keine Berechtigung");

        QVERIFY(!fenster->close());
        QVERIFY(fenster->isVisible());
        QCOMPARE(fensterzustand(*fenster), erikaGabler());
        QCOMPARE(plattform->meldungen.size(), 1);
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("bleibt offen")));
        QVERIFY(!abgelegt(*plattform, einstellungsdatei));

        if (!wiederGescheitert) {
            plattform->ersetzenScheitert.reset();
        }
        QVERIFY(fenster->close());
        QVERIFY(!fenster->isVisible());
        if (wiederGescheitert) {
            QCOMPARE(plattform->meldungen.size(), 2);
            QVERIFY(plattform->meldungen[1].text.contains(QStringLiteral("ohne Speichern")));
            QVERIFY(!abgelegt(*plattform, einstellungsdatei));
        } else {
            QCOMPARE(plattform->meldungen.size(), 1);
            QCOMPARE(gespeichert(), bytes(einstellungenSchreiben(erikaGabler())));
        }
    }

    void ohne_datenordner_wird_das_speichern_gemeldet() {
        starten();
        plattform->datenordnerPfad.clear();
        QVERIFY(!fenster->close());
        QCOMPARE(plattform->meldungen.size(), 1);
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("keinen Ordner")));
    }

    void unlesbare_datei_wird_gemeldet() {
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(beispielzeilen())));
        plattform->lesenScheitert = true;
        starten();
        QCOMPARE(fensterzustand(*fenster), anfangszustand());
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].titel, QStringLiteral("Velmora"));
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("nicht gelesen")));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::EinstellungsdateiTest)
#include "einstellungsdatei_test.moc"
