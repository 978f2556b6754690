// What the program reads when it starts and saves when it closes: the publisher's page, the
// settings file, the state, recovery and handover files and a file named, against the
// recording platform layer.
#include "dialogs/kontakt.h"
#include "storage/eingabedatei.h"
#include "storage/wiederherstellung.h"
#include "support/beispieldatei.h"
#include "support/testfenster.h"
#include "support/zufallszeugnis.h"
#include "window/fensterzustand.h"

#include <QtWidgets>

using namespace velmora;

namespace {

const QString einstellungsdatei = "arbeitszeugnis.ini";

QByteArray bytes(const Einstellungen& zustand) {
    return QByteArray::fromStdString(einstellungenSchreiben(zustand));
}

// Notes what the start asks of the platform, and whether a window showed by then.
class Protokollplattform : public FakePlattform {
public:
    QStringList protokoll;

    void notieren(const QString& was) {
        const bool sichtbar = std::ranges::any_of(QApplication::topLevelWidgets(),
                                                  [](QWidget* w) { return w->isVisible(); });
        protokoll.append(sichtbar ? "sichtbar!" : was);
    }
    bool oeffnen(const QString& adresse) override {
        notieren(adresse);
        return FakePlattform::oeffnen(adresse);
    }
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override {
        notieren(titel + ": " + text);
        FakePlattform::meldung(besitzer, titel, text, symbol);
    }
    std::optional<QByteArray> dateiLesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                         QString* fehler) override {
        notieren(QFileInfo(pfad).fileName());
        return FakePlattform::dateiLesen(pfad, art, hoechstens, fehler);
    }
};

} // namespace

class ProgrammstartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

    QByteArray gespeichert() const { return t->lesen(einstellungsdatei).value_or("(keine)"); }

private slots:
    void init() { t = std::make_unique<test::Testfenster>(); }

    void beispiel_auf_jedem_weg_geschrieben_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf Beenden") << "cmdfertig(2)";
        QTest::newRow("Menü Beenden") << "mnuBeenden";
        QTest::newRow("Schließfeld") << QString();
    }

    // The example state clicked into the window is saved as the example file, byte for byte.
    void beispiel_auf_jedem_weg_geschrieben() {
        QFETCH(QString, weg);
        t->starten();
        t->fenster->geschlechtWaehlen(frau);
        for (const auto& [bereich, name] : {std::pair{1, "opt1(1)"},
                                            {1, "chkAnz(0)"},
                                            {12, "opt12(2)"},
                                            {13, "opt13(5)"},
                                            {13, "chkAnz(12)"}}) {
            t->fenster->reiterSetzen(untereLeiste, bereich - 1);
            t->klicken(name);
        }
        if (weg.startsWith("mnu")) {
            t->menue(weg);
        } else if (!weg.isEmpty()) {
            t->klicken(weg);
        } else {
            QVERIFY(t->fenster->close());
        }
        QVERIFY(!t->fenster->isVisible());
        QCOMPARE(gespeichert(), QByteArray::fromStdString(beispieldatei()));
        QVERIFY(t->plattform->meldungen.isEmpty());
    }

    void datei_gibt_was_sich_lesen_laesst_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("gespeichert");
        Einstellungen e = beispielzustand();
        e.texte[0] = "  Jarosław ";
        e.texte[3] = " Köln";
        e.texte[6] = "";
        e.reiter = {6, 2};
        QTest::newRow("Blanks und ł") << bytes(e) << bytes(e);
        e.geschlecht = keinGeschlecht;
        for (int b = 0; b < anzahlBereiche; ++b) {
            e.knoepfe[b] = bewertungsbereiche[b].stufen() - 1;
            e.anzeige[b] = b % 3;
        }
        QTest::newRow("ohne Geschlecht, grau, letzte Knöpfe") << bytes(e) << bytes(e);
        Einstellungen anfang;
        anfang.texte = beispielzustand().texte;
        QByteArray muell(4000, 0);
        for (int i = 0; i < muell.size(); ++i) {
            muell[i] = static_cast<char>(14 + i * 7919 % 242); // no line end among them
        }
        QTest::newRow("Binärmüll") << muell << bytes(anfang);
        // Lines of the example, its first name one the window does not start with.
        e = beispielzustand();
        e.texte[0] = "Erika";
        e.knoepfe[0] = 5;
        QTest::newRow("zweimal True")
            << QByteArray::fromStdString(beispieldatei({{2, "Erika"}, {72, "True"}})) << bytes(e);
        e.geschlecht = keinGeschlecht;
        e.knoepfe = {1};
        e.anzeige = {};
        e.reiter = {};
        QTest::newRow("50 Zeilen")
            << QByteArray::fromStdString(beispieldatei({{1, "-1"}, {2, "Erika"}}, "\n", 50))
            << bytes(e);
    }

    // What the window read is what it saves, and what the import makes of the file; the
    // window stays usable.
    void datei_gibt_was_sich_lesen_laesst() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, gespeichert);
        t->ablegen(einstellungsdatei, datei);
        t->starten();
        QVERIFY(test::felder(t->fenster->daten()) ==
                test::felder(zeugnisAusEinstellungen(einstellungenLesen(datei.toStdString()))));
        QVERIFY(t->fenster->close());
        QCOMPARE(this->gespeichert(), gespeichert);
        QVERIFY(t->plattform->meldungen.isEmpty());
        t->fenster->geschlechtWaehlen(frau);
        t->fenster->knopfSetzen(2, 0, true);
        QVERIFY(!t->fenster->vorschautext(2).isEmpty());
    }

    // A failed save keeps the old file and, the first time, the window with what was typed.
    void gescheitertes_speichern() {
        t->ablegen(einstellungsdatei, "alt");
        t->starten();
        t->fenster->textSetzen(0, "Erika");
        t->plattform->ersetzenScheitert = "Auf dem Gerät ist kein Speicherplatz mehr";
        QVERIFY(!t->fenster->close());
        QVERIFY(t->fenster->isVisible());
        QCOMPARE(t->fenster->text(0), "Erika");
        const FakePlattform::Meldung meldung = t->plattform->meldungen.value(0);
        QCOMPARE(meldung.titel, "Velmora");
        QVERIFY(meldung.text.contains("kein Speicherplatz") &&
                meldung.text.contains(t->pfad(einstellungsdatei)));
        QVERIFY(t->fenster->close());
        QVERIFY(!t->fenster->isVisible());
        QCOMPARE(t->plattform->meldungen.size(), 2);
        QCOMPARE(gespeichert(), "alt");
    }

    void reihenfolge_data() {
        QTest::addColumn<bool>("mitDatei");
        QTest::newRow("ohne Datei") << false;
        QTest::newRow("mit Datei, Seite nicht geöffnet") << true;
    }

    // The page, the settings file, the state file, the recovery file, the handover file and
    // the file named, each read before the window shows and each taking over what it holds:
    // the handover the first ten texts and nothing else, then it is deleted.
    void reihenfolge() {
        QFETCH(bool, mitDatei);
        auto* protokoll = new Protokollplattform;
        t->plattform.reset(protokoll);
        protokoll->oeffnenGelingt = !mitDatei;
        t->ablegen(einstellungsdatei, QByteArray::fromStdString(beispieldatei()));
        Zustand zustand;
        zustand.zusatz.aufgaben.bereich = "Lager";
        t->ablegen("zustand.json", zustandSchreiben(zustand));
        Wiederherstellung stand;
        stand.zeugnis.daten = zeugnisAusEinstellungen(einstellungenLesen(beispieldatei()));
        stand.zeugnis.daten.art = Zeugnisart::Zwischenzeugnis;
        t->ablegen("wiederherstellung.json", wiederherstellungSchreiben(stand));
        const QStringList texte = QString("Jörg|Schmidt|1.4.95|Würzburg|Lagerist|Lager & Co|Kassel|"
                                          "1.4.95|31.3.2004|31.03.2004|elf|zwölf")
                                      .split('|');
        t->ablegen("übergabe.ini", texte.join("\r\n").toLatin1());
        const QString datei = t->dokument("z.zeugnis");
        t->ablegen(datei, zeugnisdateiSchreiben({}), Dateiart::Dokument);
        t->starten(mitDatei ? std::optional(datei) : std::nullopt);

        QStringList erwartet = {kontakt::herausgeberWebseite, einstellungsdatei, "zustand.json",
                                "wiederherstellung.json", "übergabe.ini"};
        if (mitDatei) {
            erwartet.insert(1, "Achtung: Fehler!");
            erwartet.append("z.zeugnis");
        }
        QCOMPARE(protokoll->protokoll, erwartet);
        QVERIFY(!QFile::exists(t->pfad("übergabe.ini")));
        Zeugnisdaten soll = mitDatei ? Zeugnisdaten{} : stand.zeugnis.daten;
        for (int i = 0; i < anzahlEingaben && !mitDatei; ++i) {
            soll.texte[i] = texte[i].toStdString();
        }
        QVERIFY(test::felder(t->fenster->daten()) == test::felder(soll));
        QCOMPARE(t->fenster->vorschautext(1).startsWith("Frau Schmidt"), !mitDatei);
    }
};

QTEST_MAIN(ProgrammstartTest)
#include "programmstart_test.moc"
