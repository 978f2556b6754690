// What the program reads when it starts and saves when it closes: the publisher's page, the
// settings file and the handover file, against the recording platform layer.
#include "app/programmstart.h"
#include "dialogs/kontakt.h"
#include "platform/dateischicht.h"
#include "storage/wiederherstellung.h"
#include "support/beispieldatei.h"
#include "support/fakeplattform.h"
#include "window/fensterzustand.h"
#include "window/frmzg.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

using namespace velmora;

static const QString einstellungsdatei = "arbeitszeugnis.ini";

static QByteArray bytes(const Einstellungen& zustand) {
    return QByteArray::fromStdString(einstellungenSchreiben(zustand));
}

static QByteArray beispiel(const Zeilenersatz& ersetzt = {}, int anzahl = 101) {
    return QByteArray::fromStdString(beispieldatei(ersetzt, "\r\n", anzahl));
}

// Notes what the start asks of the platform, and whether the window showed by then.
class Protokollplattform : public FakePlattform {
public:
    const QWidget* fenster = nullptr;
    QStringList protokoll;

    void notieren(const QString& was) {
        protokoll.append(fenster->isVisible() ? "sichtbar!" : was);
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

class ProgrammstartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Protokollplattform> plattform;
    std::unique_ptr<frmzg> fenster;

    void starten(const std::optional<QString>& datei = std::nullopt) {
        fenster = std::make_unique<frmzg>(*plattform);
        plattform->fenster = fenster.get();
        programmstart(*fenster, *plattform, datei);
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    QString pfad(const QString& name) const { return plattform->datenordnerPfad + '/' + name; }
    void ablegen(const QString& name, const QByteArray& inhalt) {
        QVERIFY(dateischicht::ersetzen(pfad(name), Dateiart::Eigen, inhalt, {}));
    }
    QByteArray gespeichert() const {
        return dateischicht::lesen(pfad(einstellungsdatei), Dateiart::Eigen, 1 << 30)
            .value_or("(keine Datei)");
    }

private slots:
    void init() { plattform = std::make_unique<Protokollplattform>(); }
    void cleanup() { fenster.reset(); }

    void beispiel_auf_jedem_weg_geschrieben_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf Beenden") << "cmdfertig(2)";
        QTest::newRow("Menü Beenden") << "mnuBeenden";
        QTest::newRow("Schließfeld") << QString();
    }

    void beispiel_auf_jedem_weg_geschrieben() {
        QFETCH(QString, weg);
        starten();
        fenster->geschlechtWaehlen(frau);
        for (const auto& [bereich, name] : {std::pair{1, "opt1(1)"},
                                            {1, "chkAnz(0)"},
                                            {12, "opt12(2)"},
                                            {13, "opt13(5)"},
                                            {13, "chkAnz(12)"}}) {
            fenster->reiterSetzen(untereLeiste, bereich - 1);
            QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
        }
        if (weg == "mnuBeenden") {
            fenster->findChild<QAction*>(weg)->trigger();
        } else if (!weg.isEmpty()) {
            QTest::mouseClick(fenster->findChild<QAbstractButton*>(weg), Qt::LeftButton);
        } else {
            QVERIFY(fenster->close());
        }
        QVERIFY(!fenster->isVisible());
        QCOMPARE(gespeichert(), beispiel());
        QVERIFY(plattform->meldungen.isEmpty());
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
        QTest::newRow("leer") << QByteArray() << bytes(anfang);
        QTest::newRow("Binärmüll") << muell << bytes(anfang);
        // Lines of the example, its first name one the window does not start with.
        const auto zeilen = [](const char* name, Zeilenersatz ersetzt, auto aendern,
                               int anzahl = 101) {
            Einstellungen e = beispielzustand();
            e.texte[0] = "Erika";
            aendern(e);
            ersetzt.insert(ersetzt.begin(), {2, "Erika"});
            QTest::newRow(name) << beispiel(ersetzt, anzahl) << bytes(e);
        };
        zeilen(
            "40 Zeilen", {},
            [](Einstellungen& e) {
                e.knoepfe = {1};
                e.anzeige = {};
                e.reiter = {};
            },
            40);
        zeilen("10-MB-Zeile", {{2, std::string(10'000'000, 'x')}},
               [](Einstellungen& e) { e.texte[0] = "Hans"; });
        zeilen("Geschlecht 7", {{1, "7"}}, [](Einstellungen& e) { e.geschlecht = keinGeschlecht; });
        zeilen("Reiter 99", {{100, "99"}}, [](Einstellungen& e) { e.reiter[untereLeiste] = 0; });
        zeilen("Blanks, Großbuchstaben", {{1, " 1 "}, {24, "TRUE"}}, [](Einstellungen&) {});
        zeilen("zweimal True", {{72, "True"}}, [](Einstellungen& e) { e.knoepfe[0] = 5; });
    }

    // What the window read is what it saves; it stays usable.
    void datei_gibt_was_sich_lesen_laesst() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, gespeichert);
        ablegen(einstellungsdatei, datei);
        starten();
        QVERIFY(fenster->close());
        QCOMPARE(this->gespeichert(), gespeichert);
        QVERIFY(plattform->meldungen.isEmpty());
        fenster->geschlechtWaehlen(frau);
        fenster->knopfSetzen(2, 0, true);
        QVERIFY(!fenster->vorschautext(2).isEmpty());
    }

    // A failed save keeps the old file and, the first time, the window with what was typed.
    void gescheitertes_speichern() {
        ablegen(einstellungsdatei, "alt");
        starten();
        fenster->textSetzen(0, "Erika");
        plattform->ersetzenScheitert = "Auf dem Gerät ist kein Speicherplatz mehr";
        QVERIFY(!fenster->close());
        QVERIFY(fenster->isVisible());
        QCOMPARE(fenster->text(0), "Erika");
        const FakePlattform::Meldung meldung = plattform->meldungen.value(0);
        QCOMPARE(meldung.titel, "Velmora");
        QVERIFY(meldung.text.contains("kein Speicherplatz") &&
                meldung.text.contains(pfad(einstellungsdatei)));
        QVERIFY(fenster->close());
        QVERIFY(!fenster->isVisible());
        QCOMPARE(plattform->meldungen.size(), 2);
        QCOMPARE(gespeichert(), "alt");
    }

    void start_mit_uebergabe_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("protokoll");
        const QString seite = kontakt::herausgeberWebseite;
        const QStringList dateien = {einstellungsdatei, "übergabe.ini"};
        QTest::newRow("zehn Zeilen") << 10 << QStringList{seite} + dateien;
        QTest::newRow("drei Zeilen, Seite nicht geöffnet")
            << 3 << QStringList{seite, "Achtung: Fehler!"} + dateien;
        QTest::newRow("zwölf Zeilen") << 12 << QStringList{seite} + dateien;
    }

    // The page, the settings file, the handover file, then the window shows; the handover
    // fills the texts, nothing else, and is deleted.
    void start_mit_uebergabe() {
        QFETCH(int, zeilen);
        QFETCH(QStringList, protokoll);
        const QStringList texte = QString("Jörg|Schmidt|1.4.95|Würzburg|Lagerist|Lager & Co|Kassel|"
                                          "1.4.95|31.3.2004|31.03.2004|elf|zwölf")
                                      .split('|');
        QByteArray uebergabe;
        Einstellungen erwartet = beispielzustand();
        for (int i = 0; i < zeilen; ++i) {
            uebergabe += texte[i].toLatin1() + "\r\n";
            erwartet.texte[std::min(i, 9)] = texte[std::min(i, 9)].toStdString();
        }
        ablegen(einstellungsdatei, beispiel());
        ablegen("übergabe.ini", uebergabe);
        plattform->oeffnenGelingt = !protokoll.contains("Achtung: Fehler!");
        starten();
        QCOMPARE(plattform->protokoll, protokoll);
        QVERIFY(plattform->meldungen.isEmpty() ||
                plattform->meldungen[0].symbol == Meldungssymbol::Ausruf);
        QCOMPARE(bytes(fensterzustand(*fenster)), bytes(erwartet));
        QVERIFY(!QFile::exists(pfad("übergabe.ini")));
        QVERIFY(fenster->vorschautext(1).startsWith("Frau Schmidt verfügt"));
        QVERIFY(fenster->vorschautext(13).startsWith("Frau Schmidt verlässt"));
    }

    void reihenfolge_data() {
        QTest::addColumn<bool>("mitDatei");
        QTest::newRow("ohne Datei") << false;
        QTest::newRow("mit Datei") << true;
    }

    // Settings file, state file, recovery file, handover file, then the file named, each read
    // before the window shows and each taking over what it holds.
    void reihenfolge() {
        QFETCH(bool, mitDatei);
        ablegen(einstellungsdatei, beispiel());
        Zustand zustand;
        zustand.zusatz.aufgaben.bereich = "Lager";
        ablegen("zustand.json", zustandSchreiben(zustand));
        Wiederherstellung stand;
        stand.zeugnis.daten = anfangsdaten();
        stand.zeugnis.daten.texte[1] = "Schmidt";
        stand.zeugnis.daten.art = Zeugnisart::Zwischenzeugnis;
        ablegen("wiederherstellung.json", wiederherstellungSchreiben(stand));
        ablegen("übergabe.ini", "Jörg\r\n");
        const QString datei = plattform->dokumentenordnerPfad + "/z.zeugnis";
        QVERIFY(dateischicht::ersetzen(datei, Dateiart::Dokument, zeugnisdateiSchreiben({}), {}));
        starten(mitDatei ? std::optional(datei) : std::nullopt);
        QStringList erwartet = {kontakt::herausgeberWebseite, einstellungsdatei, "zustand.json",
                                "wiederherstellung.json", "übergabe.ini"};
        if (mitDatei) {
            erwartet.append("z.zeugnis");
        }
        QCOMPARE(plattform->protokoll, erwartet);
        const Zeugnisdaten daten = fenster->daten();
        QCOMPARE(daten.texte[0], mitDatei ? "" : "Jörg");
        QCOMPARE(daten.texte[1], mitDatei ? "" : "Schmidt");
        QCOMPARE(daten.art, mitDatei ? Zeugnisart::Endzeugnis : Zeugnisart::Zwischenzeugnis);
    }
};

QTEST_MAIN(ProgrammstartTest)
#include "programmstart_test.moc"
