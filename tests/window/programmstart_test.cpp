// The start of the program: the publisher's page, the settings file, the handover file and
// the window, in this order, against the recording platform layer.
#include "beispieldatei.h"
#include "dateiablage.h"
#include "fensterzustand.h"
#include "frmzg.h"
#include "kontakt.h"
#include "programmstart.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace velmora {

namespace {

const QString einstellungsdatei = QStringLiteral("arbeitszeugnis.ini");
const QString uebergabedatei = QStringLiteral("übergabe.ini");

// The handover file another program writes: Windows-1252, CR LF.
QByteArray uebergabe(const QStringList& zeilen) {
    QByteArray datei;
    for (const QString& zeile : zeilen) {
        datei += zeile.toLatin1() + "\r\n";
    }
    return datei;
}

const QStringList zwoelfZeilen = {
    QStringLiteral("Jörg"),       QStringLiteral("Schmidt"),  QStringLiteral("1.4.95"),
    QStringLiteral("Würzburg"),   QStringLiteral("Lagerist"), QStringLiteral("Lager & Co. KG"),
    QStringLiteral("Kassel"),     QStringLiteral("1.4.95"),   QStringLiteral("31.3.2004"),
    QStringLiteral("31.03.2004"), QStringLiteral("elf"),      QStringLiteral("zwölf")};

} // namespace

// Records in one list what the start asks of the platform, and whether the window showed by
// then.
class ProtokollPlattform : public FakePlattform {
public:
    const QWidget* fenster = nullptr;
    QStringList protokoll;

    bool oeffnen(const QString& adresse) override {
        notieren(QStringLiteral("öffnen ") + adresse);
        return FakePlattform::oeffnen(adresse);
    }
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override {
        notieren(QStringLiteral("Meldung %1: %2").arg(titel, text));
        FakePlattform::meldung(besitzer, titel, text, symbol);
    }
    std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) override {
        notieren(QStringLiteral("lesen ") + QFileInfo(pfad).fileName());
        return FakePlattform::dateiLesen(pfad, hoechstens);
    }
    bool dateiLoeschen(const QString& pfad) override {
        notieren(QStringLiteral("löschen ") + QFileInfo(pfad).fileName());
        return FakePlattform::dateiLoeschen(pfad);
    }

private:
    void notieren(const QString& was) {
        protokoll.append(fenster && fenster->isVisible() ? was + QStringLiteral(" (sichtbar)")
                                                         : was);
    }
};

class ProgrammstartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProtokollPlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    void starten() {
        fenster = std::make_unique<frmzg>(*plattform);
        plattform->fenster = fenster.get();
        programmstart(*fenster, *plattform);
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    QStringList texte() const {
        QStringList texte;
        for (int i = 0; i < anzahlEingaben; ++i) {
            texte.append(fenster->text(i));
        }
        return texte;
    }
    bool uebergabeDa() const {
        return QFileInfo::exists(abgelegterPfad(*plattform, uebergabedatei));
    }

private slots:
    void init() {
        plattform = std::make_unique<ProtokollPlattform>();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Übergabedatei")));
    }
    void cleanup() {
        fenster.reset();
        plattform.reset();
    }

    void reihenfolge_beim_start_data() {
        QTest::addColumn<bool>("oeffnenGelingt");
        QTest::addColumn<QStringList>("protokoll");
        const QString oeffnen =
            QStringLiteral("öffnen ") + QString::fromUtf8(kontakt::herausgeberWebseite);
        const QStringList dateien = {QStringLiteral("lesen arbeitszeugnis.ini"),
                                     QStringLiteral("lesen übergabe.ini"),
                                     QStringLiteral("löschen übergabe.ini")};
        QTest::newRow("Seite geöffnet") << true << QStringList{oeffnen} + dateien;
        QTest::newRow("Seite nicht geöffnet")
            << false << QStringList{oeffnen, QStringLiteral("Meldung Achtung: Fehler!")} + dateien;
    }

    void reihenfolge_beim_start() {
        QFETCH(bool, oeffnenGelingt);
        QFETCH(QStringList, protokoll);
        plattform->oeffnenGelingt = oeffnenGelingt;
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(beispielzeilen())));
        ablegen(*plattform, uebergabedatei, uebergabe(zwoelfZeilen.mid(0, 10)));
        starten();
        QCOMPARE(plattform->protokoll, protokoll);
        QVERIFY(fenster->isVisible());
        QCOMPARE(plattform->geoeffnet.size(), 1);
        if (!oeffnenGelingt) {
            const auto& meldung = plattform->meldungen.first();
            QCOMPARE(meldung.symbol, Meldungssymbol::Ausruf);
            QCOMPARE(meldung.besitzer, nullptr);
        }
    }

    void uebergabe_fuellt_die_felder_data() {
        QTest::addColumn<int>("zeilen");
        QTest::newRow("zehn Zeilen") << 10;
        QTest::newRow("drei Zeilen") << 3;
        QTest::newRow("zwölf Zeilen") << 12;
    }

    void uebergabe_fuellt_die_felder() {
        QFETCH(int, zeilen);
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(beispielzeilen())));
        ablegen(*plattform, uebergabedatei, uebergabe(zwoelfZeilen.mid(0, zeilen)));
        starten();

        QStringList erwartet;
        for (const std::string& text : beispielzustand().texte) {
            erwartet.append(QString::fromStdString(text));
        }
        for (int i = 0; i < std::min(zeilen, anzahlEingaben); ++i) {
            erwartet[i] = zwoelfZeilen[i];
        }
        QCOMPARE(texte(), erwartet);
        QVERIFY(!uebergabeDa());

        // Gender, grades, flags and tabs stay as the settings file gave them.
        Einstellungen zustand = fensterzustand(*fenster);
        zustand.texte = beispielzustand().texte;
        QCOMPARE(zustand, beispielzustand());
        // The previews rest on the texts now shown.
        QVERIFY(fenster->vorschautext(1).startsWith(QStringLiteral("Frau Schmidt verfügt")));
        QVERIFY(fenster->vorschautext(13).startsWith(QStringLiteral("Frau Schmidt verlässt")));
    }

    void uebergabe_wird_beim_naechsten_schliessen_gespeichert() {
        ablegen(*plattform, uebergabedatei, uebergabe(zwoelfZeilen.mid(0, 10)));
        starten();
        QVERIFY(fenster->close());
        Einstellungen erwartet = fensterzustand(*fenster);
        fenster.reset();
        starten();
        QCOMPARE(fensterzustand(*fenster), erwartet);
        QCOMPARE(texte(), zwoelfZeilen.mid(0, 10));
    }

    void ohne_uebergabe_bleiben_die_texte_der_einstellungen() {
        ablegen(*plattform, einstellungsdatei, bytes(zusammenfuegen(beispielzeilen())));
        QDir(plattform->datenordnerPfad).mkdir(uebergabedatei);
        starten();
        QCOMPARE(fensterzustand(*fenster), beispielzustand());
        QVERIFY(!plattform->protokoll.contains(QStringLiteral("lesen übergabe.ini")));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void nicht_loeschbare_uebergabe_wird_gemeldet() {
        ablegen(*plattform, uebergabedatei, uebergabe(zwoelfZeilen.mid(0, 10)));
        plattform->loeschenScheitert = true;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("übergabe.ini.*nicht gelöscht")));
        starten();
        QCOMPARE(texte(), zwoelfZeilen.mid(0, 10));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void unlesbare_uebergabe_bleibt_liegen() {
        ablegen(*plattform, uebergabedatei, uebergabe(zwoelfZeilen.mid(0, 10)));
        plattform->lesenScheitert = true;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("übergabe.ini.*nicht gelesen")));
        starten();
        QVERIFY(uebergabeDa());
        QVERIFY(!plattform->protokoll.contains(QStringLiteral("löschen übergabe.ini")));
        QCOMPARE(texte().first(), QStringLiteral("Hans"));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ProgrammstartTest)
#include "programmstart_test.moc"
