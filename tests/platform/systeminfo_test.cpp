#include "platform/systeminfo.h"
#include "support/fakeplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

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

// A value read into keyVal (which held "vorher"), the key closed again.
TEST(GetKeyValue, LiestDenWertUndSchliesstDenSchluessel) {
    // Type 0: the key holds another value, but no "PATH".
    const std::tuple<std::uint32_t, std::string, bool, std::string> faelle[] = {
        {regSz, pfad + '\0', true, pfad},
        {regSz, pfad, true, pfad},
        {regSz, std::string(1, '\0'), true, ""},
        {regSz, voll, true, voll},
        {regSz, voll.substr(1) + '\0', true, voll.substr(1)},
        {regSz, voll + 'x', false, ""}, // longer than the buffer
        {regDword, std::string("\x2A\x01\0\0", 4), true, "&h12A"},
        {regDword, std::string("\x05\0\0\x01", 4), true, "&h1000005"},
        {3, "\x01\x02", true, "vorher"}, // another type leaves the text
        {0, pfad, false, ""}};
    for (const auto& [typ, daten, erfolg, erwartet] : faelle) {
        Speicherregistrierung registrierung;
        registrierung.schluessel[msinfo][typ ? "PATH" : "MSINFO"] = {typ, daten};
        std::string keyVal = "vorher";
        EXPECT_EQ(GetKeyValue(registrierung, hkeyLocalMachine, msinfo, "PATH", keyVal), erfolg);
        EXPECT_EQ(keyVal, erwartet) << daten.size();
        EXPECT_TRUE(registrierung.offen.empty());
    }
}

// One arrangement of registry, files and installed programs each, and what StartSysInfo
// starts, in order; every way that starts nothing ends in the same message.
TEST(StartSysInfo, StartetDasWerkzeugOderMeldetEs) {
    const char* const hardinfo = "/usr/bin/hardinfo2";
    struct Fall {
        std::string gestartet; // joined by "|"
        std::string pfadwert;  // "PATH" of the MSINFO key in the Windows code page, empty: none
        bool ordnerwert;       // the shared tools key names a folder
        bool werkzeugDa;       // MSINFO32.EXE lies in that folder
        bool startet = true;
        const char* ersatz = ""; // the installed system-information program
    };
    const Fall faelle[] = {{pfad, pfad + '\0', false, false},
                           {"C:\\Größe\\m.exe", "C:\\Gr\366\337e\\m.exe", false, false},
                           {pfad + "|" + hardinfo, pfad, true, true, false, hardinfo},
                           {"{ordner}\\MSINFO32.EXE", "", true, true},
                           {"", "", true, false},
                           {"", "", false, false},
                           {hardinfo, "", false, false, true, hardinfo},
                           {hardinfo, "", false, false, false, hardinfo}};
    for (const Fall& fall : faelle) {
        FakePlattform plattform;
        plattform.startenGelingt = fall.startet;
        const QString ordner = plattform.programmordnerPfad;
        if (fall.werkzeugDa) {
            ASSERT_EQ(plattform.dateiNeuAnlegen(ordner + "\\MSINFO32.EXE", Dateiart::Dokument, "MZ",
                                                nullptr),
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
        const QString gestartet =
            QString::fromStdString(fall.gestartet).replace("{ordner}", ordner);
        EXPECT_EQ(plattform.gestartet.join('|'), gestartet);
        EXPECT_TRUE(registrierung.offen.empty());
        const bool meldung = gestartet.isEmpty() || !fall.startet;
        ASSERT_EQ(plattform.meldungen.size(), meldung ? 1 : 0) << fall.gestartet;
        if (meldung) {
            EXPECT_EQ(plattform.meldungen[0].titel, "Velmora");
            EXPECT_EQ(plattform.meldungen[0].text,
                      "Systeminformationen sind momentan nicht verfügbar");
            EXPECT_EQ(plattform.meldungen[0].symbol, Meldungssymbol::Keins);
        }
    }
}

} // namespace
} // namespace velmora
