#include "platform/systeminfo.h"
#include "support/fakeplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace velmora {
namespace {

// A registry in memory that answers like the Windows calls: a value longer than the caller's
// buffer is not read, and open handles are kept so that a test sees whether they were closed.
struct Speicherregistrierung : Registrierung {
    struct Wert {
        std::uint32_t typ;
        std::string daten; // the bytes as stored, a string with or without its NUL
    };
    std::map<std::string, std::map<std::string, Wert>> schluessel; // below HKEY_LOCAL_MACHINE
    std::map<Schluessel, std::string> offen;
    Schluessel naechster = 1;

    std::optional<Schluessel> oeffnen(Schluessel wurzel, std::string_view name,
                                      std::uint32_t) override {
        if (wurzel != hkeyLocalMachine || !schluessel.contains(std::string(name))) {
            return std::nullopt;
        }
        offen[naechster] = name;
        return naechster++;
    }
    bool wertLesen(Schluessel griff, std::string_view wertname, std::uint32_t& typ,
                   std::span<char> puffer, std::uint32_t& groesse) override {
        const auto& werte = schluessel.at(offen.at(griff));
        const auto wert = werte.find(std::string(wertname));
        if (wert == werte.end()) {
            return false;
        }
        // ERROR_MORE_DATA: the size needed is told, nothing is copied.
        groesse = static_cast<std::uint32_t>(wert->second.daten.size());
        if (groesse > puffer.size()) {
            return false;
        }
        typ = wert->second.typ;
        std::ranges::copy(wert->second.daten, puffer.begin());
        return true;
    }
    void schliessen(Schluessel griff) override { offen.erase(griff); }
};

const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string werkzeuge = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string pfad = "C:\\Programme\\Gemeinsame Dateien\\MSINFO32.EXE";
const std::string voll(1024, 'x'); // the size of the program's buffer

struct Wertfall {
    const char* name;
    std::uint32_t typ; // 0: the key holds another value, but no "PATH"
    std::string daten;
    bool erfolg;
    std::string erwartet; // keyVal afterwards; it held "vorher" before the call
    friend void PrintTo(const Wertfall& f, std::ostream* os) { *os << f.name; }
};

class GetKeyValueTest : public testing::TestWithParam<Wertfall> {};

TEST_P(GetKeyValueTest, LiestDenWertUndSchliesstDenSchluessel) {
    const Wertfall& fall = GetParam();
    Speicherregistrierung registrierung;
    registrierung.schluessel[msinfo][fall.typ ? "PATH" : "MSINFO"] = {fall.typ, fall.daten};
    std::string keyVal = "vorher";
    EXPECT_EQ(GetKeyValue(registrierung, hkeyLocalMachine, msinfo, "PATH", keyVal), fall.erfolg);
    EXPECT_EQ(keyVal, fall.erwartet);
    EXPECT_TRUE(registrierung.offen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Werte, GetKeyValueTest,
    testing::Values(Wertfall{"TextMitNul", regSz, pfad + '\0', true, pfad},
                    Wertfall{"TextOhneNul", regSz, pfad, true, pfad},
                    Wertfall{"NurNul", regSz, std::string(1, '\0'), true, ""},
                    Wertfall{"PuffervollOhneNul", regSz, voll, true, voll},
                    Wertfall{"PuffervollMitNul", regSz, voll.substr(1) + '\0', true,
                             voll.substr(1)},
                    Wertfall{"LaengerAlsDerPuffer", regSz, voll + 'x', false, ""},
                    Wertfall{"Doppelwort", regDword, std::string("\x2A\x01\0\0", 4), true, "&h12A"},
                    Wertfall{"DoppelwortMitNullbytes", regDword, std::string("\x05\0\0\x01", 4),
                             true, "&h1000005"},
                    Wertfall{"AndererTypLaesstDenText", 3, "\x01\x02", true, "vorher"},
                    Wertfall{"WertFehlt", 0, pfad, false, ""}),

    [](const testing::TestParamInfo<Wertfall>& info) { return std::string(info.param.name); });

// One arrangement of registry, files and installed programs, and what StartSysInfo starts.
struct Startfall {
    const char* name;
    std::string gestartet; // in order, joined by "|"
    std::string pfadwert;  // "PATH" of the MSINFO key in the Windows code page, empty: none
    bool ordnerwert;       // the shared tools key names a folder
    bool werkzeugDa;       // MSINFO32.EXE lies in that folder
    bool startet = true;
    const char* ersatz = ""; // the installed system-information program
    friend void PrintTo(const Startfall& f, std::ostream* os) { *os << f.name; }
};

class StartSysInfoTest : public testing::TestWithParam<Startfall> {};

TEST_P(StartSysInfoTest, StartetDasWerkzeugOderMeldetEs) {
    const Startfall& fall = GetParam();
    FakePlattform plattform;
    plattform.startenGelingt = fall.startet;
    const QString ordner = plattform.programmordnerPfad;
    if (fall.werkzeugDa) {
        ASSERT_EQ(
            plattform.dateiNeuAnlegen(ordner + "\\MSINFO32.EXE", Dateiart::Dokument, "MZ", nullptr),
            Neuanlage::Angelegt);
    }
    Speicherregistrierung registrierung;
    if (!fall.pfadwert.empty()) {
        registrierung.schluessel[msinfo]["PATH"] = {regSz, fall.pfadwert};
    }
    if (fall.ordnerwert) {
        registrierung.schluessel[werkzeuge]["MSINFO"] = {regSz, ordner.toStdString() + '\0'};
    }

    StartSysInfo(plattform, {registrierung, [&] { return QString(fall.ersatz); }}, nullptr);

    const QString gestartet = QString::fromStdString(fall.gestartet).replace("{ordner}", ordner);
    EXPECT_EQ(plattform.gestartet.join('|'), gestartet);
    EXPECT_TRUE(registrierung.offen.empty());
    // Every way that starts nothing ends in the same message.
    const bool meldung = gestartet.isEmpty() || !fall.startet;
    ASSERT_EQ(plattform.meldungen.size(), meldung ? 1 : 0);
    if (meldung) {
        EXPECT_EQ(plattform.meldungen[0].titel, "Velmora");
        EXPECT_EQ(plattform.meldungen[0].text, "Systeminformationen sind momentan nicht verfügbar");
        EXPECT_EQ(plattform.meldungen[0].symbol, Meldungssymbol::Keins);
    }
}

const char* const hardinfo = "/usr/bin/hardinfo2";

INSTANTIATE_TEST_SUITE_P(
    Quellen, StartSysInfoTest,
    testing::Values(Startfall{"EigenerEintrag", pfad, pfad + '\0', false, false},
                    Startfall{"WindowsZeichensatz", "C:\\Größe\\m.exe", "C:\\Gr\366\337e\\m.exe",
                              false, false},
                    Startfall{"EigenerEintragStartetNicht", pfad + "|" + hardinfo, pfad, true, true,
                              false, hardinfo},
                    Startfall{"Werkzeugordner", "{ordner}\\MSINFO32.EXE", "", true, true},
                    Startfall{"WerkzeugordnerOhneMsinfo", "", "", true, false},
                    Startfall{"LinuxOhneProgramm", "", "", false, false},
                    Startfall{"LinuxMitProgramm", hardinfo, "", false, false, true, hardinfo},
                    Startfall{"ProgrammStartetNicht", hardinfo, "", false, false, false, hardinfo}),
    [](const testing::TestParamInfo<Startfall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
