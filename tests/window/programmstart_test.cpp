// What the program reads when it starts and saves when it closes: the publisher's page, the
// settings file and the handover file, against the recording platform layer.
#include "beispieldatei.h"
#include "fakeplattform.h"
#include "fensterzustand.h"
#include "frmzg.h"
#include "kontakt.h"
#include "programmstart.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

namespace velmora {

namespace {

const QString einstellungsdatei = QStringLiteral("arbeitszeugnis.ini");
const QString uebergabedatei = QStringLiteral("übergabe.ini");
const Qt::CheckState haekchen[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};

QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

} // namespace

// QCOMPARE shows a state as the lines of its settings file.
char* toString(const Einstellungen& zustand) {
    return qstrdup(bytes(einstellungenSchreiben(zustand)).replace("\r\n", " | ").constData());
}

} // namespace velmora

Q_DECLARE_METATYPE(velmora::Einstellungen)

namespace velmora {

// Notes what the start asks of the platform, and whether the window showed by then.
class Protokollplattform : public FakePlattform {
public:
    const QWidget* fenster = nullptr;
    QStringList protokoll;

    void notieren(const QString& was) {
        protokoll.append(fenster->isVisible() ? was + QStringLiteral(" (sichtbar)") : was);
    }
    bool oeffnen(const QString& adresse) override {
        notieren(adresse);
        return FakePlattform::oeffnen(adresse);
    }
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override {
        notieren(titel + QStringLiteral(": ") + text);
        FakePlattform::meldung(besitzer, titel, text, symbol);
    }
    std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) override {
        notieren(QFileInfo(pfad).fileName());
        return FakePlattform::dateiLesen(pfad, hoechstens);
    }
};

class ProgrammstartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Protokollplattform> plattform;
    std::unique_ptr<frmzg> fenster;

    void starten() {
        fenster = std::make_unique<frmzg>(*plattform);
        plattform->fenster = fenster.get();
        programmstart(*fenster, *plattform);
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    QString pfad(const QString& name) const { return plattform->datenordnerPfad + u'/' + name; }
    void ablegen(const QString& name, const QByteArray& inhalt) {
        QVERIFY(dateischicht::ersetzen(pfad(name), inhalt, nullptr));
    }
    QByteArray gespeichert() const {
        return dateischicht::lesen(pfad(einstellungsdatei), 1 << 30).value_or("(keine Datei)");
    }

private slots:
    void init() { plattform = std::make_unique<Protokollplattform>(); }
    void cleanup() { fenster.reset(); }

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
        for (const auto& [bereich, name] : {std::pair{1, "opt1(1)"},
                                            {1, "chkAnz(0)"},
                                            {12, "opt12(2)"},
                                            {13, "opt13(5)"},
                                            {13, "chkAnz(12)"}}) {
            fenster->reiterSetzen(frmzg::untereLeiste, bereich - 1);
            QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
        }
        if (auto* menue = fenster->findChild<QAction*>(weg)) {
            menue->trigger();
        } else if (!weg.isEmpty()) {
            QTest::mouseClick(fenster->findChild<QAbstractButton*>(weg), Qt::LeftButton);
        } else {
            QVERIFY(fenster->close());
        }
        QVERIFY(!fenster->isVisible());
        QCOMPARE(gespeichert(), bytes(beispieldatei()));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void laden_und_speichern_gibt_dieselben_bytes_data() {
        QTest::addColumn<Einstellungen>("zustand");
        Einstellungen e = beispielzustand();
        e.texte[0] = "  Jarosław ";
        e.texte[3] = " Köln";
        e.texte[6] = "";
        e.reiter = {6, 2};
        QTest::newRow("Blanks und ł") << e;
        e.geschlecht = keinGeschlecht;
        for (int b = 0; b < anzahlBereiche; ++b) {
            e.knoepfe[b] = b + 1 == beendigungsgrund ? beendigungsknoepfe - 1 : notenknoepfe - 1;
            e.anzeige[b] = b % 3;
        }
        QTest::newRow("ohne Geschlecht, grau, letzte Knöpfe") << e;
    }

    void laden_und_speichern_gibt_dieselben_bytes() {
        QFETCH(Einstellungen, zustand);
        const QByteArray datei = bytes(einstellungenSchreiben(zustand));
        ablegen(einstellungsdatei, datei);
        starten();
        QCOMPARE(fensterzustand(*fenster), zustand);
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            QCOMPARE(fenster->anzeige(bereich), haekchen[zustand.anzeige[bereich - 1]]);
        }
        QVERIFY(fenster->close());
        QCOMPARE(gespeichert(), datei);
    }

    void datei_gibt_was_sich_lesen_laesst_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<Einstellungen>("erwartet");
        FakePlattform leer;
        const Einstellungen anfang = fensterzustand(frmzg(leer));
        // A first name the window does not start with, so that a lost text line shows.
        Einstellungen erika = beispielzustand();
        erika.texte[0] = "Erika";
        const auto zeile = [](const char* name, Zeilenersatz ersetzt, const Einstellungen& erwartet,
                              int anzahl = 101) {
            ersetzt.insert(ersetzt.begin(), {2, "Erika"});
            QTest::newRow(name) << bytes(beispieldatei(ersetzt, "\r\n", anzahl)) << erwartet;
        };
        Einstellungen e = anfang;
        e.geschlecht = frau;
        e.texte = erika.texte;
        e.knoepfe[0] = 1;
        zeile("40 Zeilen", {}, e, 40);
        zeile("leer", {}, anfang, 0);
        QByteArray muell(4000, 0);
        for (int i = 0; i < muell.size(); ++i) {
            muell[i] = static_cast<char>(14 + i * 7919 % 242); // no line end
        }
        QTest::newRow("Binärmüll") << muell << anfang;
        e = erika;
        e.texte[0] = anfang.texte[0];
        zeile("10-MB-Zeile", {{2, std::string(10'000'000, 'x')}}, e);
        e = erika;
        e.geschlecht = keinGeschlecht;
        zeile("Geschlecht 7", {{1, "7"}}, e);
        e = erika;
        e.reiter[untereLeiste] = 0;
        zeile("Reiter 99", {{100, "99"}}, e);
        zeile("Blanks und Großbuchstaben", {{1, " 1 "}, {24, "TRUE"}}, erika);
        e = erika;
        e.knoepfe[0] = 5;
        zeile("zweimal True, das letzte gilt", {{72, "True"}}, e);
    }

    void datei_gibt_was_sich_lesen_laesst() {
        QFETCH(QByteArray, datei);
        QFETCH(Einstellungen, erwartet);
        ablegen(einstellungsdatei, datei);
        starten();
        QCOMPARE(fensterzustand(*fenster), erwartet);
        QVERIFY(plattform->meldungen.isEmpty());
        // The window stays usable: a click composes, the close saves it.
        fenster->geschlechtWaehlen(frau);
        fenster->reiterSetzen(frmzg::untereLeiste, 1);
        QTest::mouseClick(fenster->findChild<QAbstractButton*>("opt2(0)"), Qt::LeftButton);
        QVERIFY(!fenster->vorschautext(2).isEmpty());
        QVERIFY(fenster->close());
        erwartet.geschlecht = frau;
        erwartet.knoepfe[1] = 0;
        erwartet.reiter[untereLeiste] = 1;
        QCOMPARE(gespeichert(), bytes(einstellungenSchreiben(erwartet)));
    }

    // A save that fails keeps the old file and, once, the window with what was typed.
    void gescheitertes_speichern() {
        const QByteArray alt = bytes(beispieldatei());
        ablegen(einstellungsdatei, alt);
        starten();
        fenster->textSetzen(0, QStringLiteral("Erika"));
        const Einstellungen getippt = fensterzustand(*fenster);
        plattform->ersetzenScheitert = QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr");
        QVERIFY(!fenster->close());
        QVERIFY(fenster->isVisible());
        QCOMPARE(fensterzustand(*fenster), getippt);
        QCOMPARE(plattform->meldungen.size(), 1);
        const FakePlattform::Meldung meldung = plattform->meldungen.first();
        QCOMPARE(meldung.titel, QStringLiteral("Velmora"));
        QVERIFY(meldung.text.contains(QStringLiteral("kein Speicherplatz")));
        QVERIFY(meldung.text.contains(pfad(einstellungsdatei)));
        QVERIFY(fenster->close());
        QVERIFY(!fenster->isVisible());
        QCOMPARE(plattform->meldungen.size(), 2);
        QCOMPARE(gespeichert(), alt);
    }

    void start_mit_uebergabe_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<bool>("seiteGeoeffnet");
        QTest::newRow("zehn Zeilen") << 10 << true;
        QTest::newRow("drei Zeilen, Seite nicht geöffnet") << 3 << false;
        QTest::newRow("zwölf Zeilen") << 12 << true;
    }

    // The page, the settings file, the handover file, then the window shows; the handover
    // fills the texts only and is deleted.
    void start_mit_uebergabe() {
        QFETCH(int, zeilen);
        QFETCH(bool, seiteGeoeffnet);
        const QStringList texte = {"Jörg",      "Schmidt",        "1.4.95", "Würzburg",
                                   "Lagerist",  "Lager & Co. KG", "Kassel", "1.4.95",
                                   "31.3.2004", "31.03.2004",     "elf",    "zwölf"};
        QByteArray uebergabe;
        Einstellungen erwartet = beispielzustand();
        for (int i = 0; i < zeilen; ++i) {
            uebergabe += texte[i].toLatin1() + "\r\n";
            if (i < anzahlEingaben) {
                erwartet.texte[i] = texte[i].toStdString();
            }
        }
        ablegen(einstellungsdatei, bytes(beispieldatei()));
        ablegen(uebergabedatei, uebergabe);
        plattform->oeffnenGelingt = seiteGeoeffnet;
        starten();
        QStringList protokoll = {QString::fromUtf8(kontakt::herausgeberWebseite),
                                 QStringLiteral("Achtung: Fehler!"), einstellungsdatei,
                                 uebergabedatei};
        if (seiteGeoeffnet) {
            protokoll.removeAt(1);
        } else {
            QCOMPARE(plattform->meldungen[0].symbol, Meldungssymbol::Ausruf);
        }
        QCOMPARE(plattform->protokoll, protokoll);
        QCOMPARE(fensterzustand(*fenster), erwartet);
        QVERIFY(!QFile::exists(pfad(uebergabedatei)));
        QVERIFY(fenster->vorschautext(1).startsWith(QStringLiteral("Frau Schmidt verfügt")));
        QVERIFY(fenster->vorschautext(13).startsWith(QStringLiteral("Frau Schmidt verlässt")));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ProgrammstartTest)
#include "programmstart_test.moc"
