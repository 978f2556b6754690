#include "fakeplattform.h"
#include "speicherregistrierung.h"
#include "systeminfo.h"

#include <QTest>
#include <QWidget>

#include <optional>

namespace velmora {

namespace {

const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string werkzeuge = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString werkzeugpfad = QStringLiteral("C:\\Programme\\Gemeinsame Dateien\\MSINFO32.EXE");
const QString ersatz = QStringLiteral("/usr/bin/hardinfo2");

// One arrangement of registry, files and installed programs, and what StartSysInfo must do.
struct Fall {
    std::optional<std::string> pfadwert{}; // "PATH" of the MSINFO key
    bool ordnerwert = false;               // the shared tools key names a folder, with its NUL
    std::uint32_t erlaubt = Speicherregistrierung::alleRechte;
    bool werkzeugDa = false; // MSINFO32.EXE lies in the shared tools folder
    bool startGelingt = true;
    QString ersatzprogramm{};
    QStringList gestartet{};               // programs asked to start, in order
    std::vector<std::string> schluessel{}; // keys asked for, in order
    bool meldung = false;
};

} // namespace
} // namespace velmora

Q_DECLARE_METATYPE(velmora::Fall)

namespace velmora {

class SysteminfoTest : public QObject {
    Q_OBJECT

private slots:
    void startetDasWerkzeugOderMeldetEs_data() {
        QTest::addColumn<Fall>("fall");
        const std::string pfad = werkzeugpfad.toStdString();
        QTest::newRow("eigener Eintrag")
            << Fall{.pfadwert = pfad + '\0', .gestartet = {werkzeugpfad}, .schluessel = {msinfo}};
        QTest::newRow("eigener Eintrag startet nicht, zweiter Schluessel bleibt unberuehrt")
            << Fall{.pfadwert = pfad,
                    .ordnerwert = true,
                    .werkzeugDa = true,
                    .startGelingt = false,
                    .gestartet = {werkzeugpfad},
                    .schluessel = {msinfo},
                    .meldung = true};
        QTest::newRow("Werkzeugordner mit MSINFO32.EXE")
            << Fall{.ordnerwert = true,
                    .werkzeugDa = true,
                    .gestartet = {QStringLiteral("{ordnerpfad}")},
                    .schluessel = {msinfo, werkzeuge}};
        QTest::newRow("Werkzeugordner ohne MSINFO32.EXE")
            << Fall{.ordnerwert = true, .schluessel = {msinfo, werkzeuge}, .meldung = true};
        QTest::newRow("Schluessel nur mit Leserechten")
            << Fall{.pfadwert = pfad,
                    .ordnerwert = true,
                    .erlaubt = Speicherregistrierung::leserechte,
                    .werkzeugDa = true,
                    .schluessel = {msinfo, werkzeuge},
                    .meldung = true};
        QTest::newRow("Linux ohne Systeminformationsprogramm")
            << Fall{.schluessel = {msinfo, werkzeuge}, .meldung = true};
        QTest::newRow("Linux mit Systeminformationsprogramm") << Fall{
            .ersatzprogramm = ersatz, .gestartet = {ersatz}, .schluessel = {msinfo, werkzeuge}};
        QTest::newRow("Systeminformationsprogramm startet nicht")
            << Fall{.startGelingt = false,
                    .ersatzprogramm = ersatz,
                    .gestartet = {ersatz},
                    .schluessel = {msinfo, werkzeuge},
                    .meldung = true};
    }

    void startetDasWerkzeugOderMeldetEs() {
        QFETCH(Fall, fall);
        FakePlattform plattform;
        plattform.startenGelingt = fall.startGelingt;
        // The folder lies in the fake's own; the tool's path is the folder, "\\" and its name.
        const QString ordner = plattform.programmordnerPfad + QStringLiteral("/Gemeinsame Dateien");
        const QString ordnerpfad = ordner + QStringLiteral("\\MSINFO32.EXE");
        if (fall.werkzeugDa) {
            QVERIFY(plattform.dateiNeuAnlegen(ordnerpfad, "MZ", nullptr));
        }
        Speicherregistrierung registrierung;
        if (fall.pfadwert) {
            registrierung.schluesselAnlegen(hkeyLocalMachine, msinfo, fall.erlaubt);
            registrierung.wertSetzen(hkeyLocalMachine, msinfo, "PATH", {regSz, *fall.pfadwert});
        }
        if (fall.ordnerwert) {
            registrierung.schluesselAnlegen(hkeyLocalMachine, werkzeuge, fall.erlaubt);
            registrierung.wertSetzen(hkeyLocalMachine, werkzeuge, "MSINFO",
                                     {regSz, ordner.toStdString() + '\0'});
        }
        QWidget besitzer;

        StartSysInfo(plattform, {registrierung, [&] { return fall.ersatzprogramm; }}, &besitzer);

        QStringList gestartet = fall.gestartet;
        gestartet.replaceInStrings(QStringLiteral("{ordnerpfad}"), ordnerpfad);
        QCOMPARE(plattform.gestartet, gestartet);
        QCOMPARE(registrierung.versuchteSchluessel(), fall.schluessel);
        QCOMPARE(registrierung.offeneSchluessel(), 0u);
        QCOMPARE(plattform.meldungen.size(), fall.meldung ? 1 : 0);
        if (fall.meldung) {
            const auto& meldung = plattform.meldungen[0];
            QCOMPARE(meldung.besitzer, &besitzer);
            QCOMPARE(meldung.titel, QStringLiteral("Velmora"));
            QCOMPARE(meldung.text,
                     QStringLiteral("Systeminformationen sind momentan nicht verfügbar"));
            QCOMPARE(meldung.symbol, Meldungssymbol::Keins);
        }
    }

    void pfadImWindowsZeichensatzWirdUebersetzt() {
        Speicherregistrierung registrierung;
        registrierung.wertSetzen(hkeyLocalMachine, msinfo, "PATH",
                                 {regSz, "C:\\Gr\xF6\xDF"
                                         "e\\msinfo32.exe"});
        FakePlattform plattform;
        StartSysInfo(plattform, {registrierung, {}}, nullptr);
        QCOMPARE(plattform.gestartet, QStringList{QStringLiteral("C:\\Größe\\msinfo32.exe")});
    }
};

} // namespace velmora

QTEST_MAIN(velmora::SysteminfoTest)
#include "systeminfo_test.moc"
