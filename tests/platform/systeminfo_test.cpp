#include "platform/systeminfo.h"
#include "support/fakeplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace velmora {
namespace {

// A registry in memory below HKEY_LOCAL_MACHINE that answers like the Windows calls: a value
// longer than the caller's buffer is not read (only its size told), and open handles are kept
// so that a test sees whether they were closed. A value: its type and its bytes as stored, a
// string with or without its NUL.
struct Speicherregistrierung : Registrierung {
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> werte;
    std::map<Schluessel, std::string> offen;
    Schluessel naechster = 1;

    std::optional<Schluessel> oeffnen(Schluessel wurzel, std::string_view name,
                                      std::uint32_t) override {
        if (wurzel != hkeyLocalMachine || !werte.contains(std::string(name))) {
            return std::nullopt;
        }
        offen[naechster] = name;
        return naechster++;
    }
    bool wertLesen(Schluessel griff, std::string_view name, std::uint32_t& typ,
                   std::span<char> puffer, std::uint32_t& groesse) override {
        const auto wert = werte.at(offen.at(griff)).find(std::string(name));
        groesse = wert == werte.at(offen.at(griff)).end() ? 0 : wert->second.second.size();
        if (groesse == 0 || groesse > puffer.size()) {
            return false;
        }
        typ = wert->second.first;
        std::ranges::copy(wert->second.second, puffer.begin());
        return true;
    }
    void schliessen(Schluessel griff) override { offen.erase(griff); }
};

const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string pfad = "C:\\Programme\\Gemeinsame Dateien\\MSINFO32.EXE";

// A value read into keyVal (which held "vorher"), the key closed again. Type 0: the key holds
// another value, but no "PATH".
TEST(GetKeyValue, LiestDenWertUndSchliesstDenSchluessel) {
    for (const auto& [typ, daten, erfolg, erwartet] :
         std::vector<std::tuple<std::uint32_t, std::string, bool, std::string>>{
             {regSz, pfad + '\0', true, pfad},
             {regSz, pfad, true, pfad},
             {regSz, std::string(1, '\0'), true, ""},
             {regSz, std::string(1025, 'x'), false, ""}, // longer than the program's buffer
             {regDword, std::string("\x2A\x01\0\0", 4), true, "&h12A"},
             {regDword, std::string("\x05\0\0\x01", 4), true, "&h1000005"},
             {3, "\x01\x02", true, "vorher"}, // another type leaves the text
             {0, pfad, false, ""}}) {
        Speicherregistrierung registrierung;
        registrierung.werte[msinfo][typ ? "PATH" : "MSINFO"] = {typ, daten};
        std::string keyVal = "vorher";
        EXPECT_EQ(GetKeyValue(registrierung, hkeyLocalMachine, msinfo, "PATH", keyVal), erfolg);
        EXPECT_EQ(keyVal, erwartet) << daten.size();
        EXPECT_TRUE(registrierung.offen.empty());
    }
}

// What StartSysInfo starts, in order ("|" between), for a "PATH" in the MSINFO key (in the
// Windows code page), a shared tools folder with or without MSINFO32.EXE, whether starting
// succeeds, and the installed system-information program. Starting nothing, or only what
// fails, ends in a message.
TEST(StartSysInfo, StartetDasWerkzeugOderMeldetEs) {
    const std::string hardinfo = "/usr/bin/hardinfo2";
    for (const auto& [gestartet, pfadwert, ordner, werkzeug, startet, ersatz] :
         std::vector<std::tuple<std::string, std::string, bool, bool, bool, std::string>>{
             {"C:\\Größe\\m.exe", "C:\\Gr\366\337e\\m.exe", false, false, true, ""},
             {pfad + "|" + hardinfo, pfad, true, true, false, hardinfo},
             {"{ordner}\\MSINFO32.EXE", "", true, true, true, ""},
             {"", "", true, false, true, ""},
             {hardinfo, "", false, false, true, hardinfo},
             {hardinfo, "", false, false, false, hardinfo}}) {
        FakePlattform plattform;
        plattform.startenGelingt = startet;
        const QString werkzeugordner = plattform.programmordnerPfad;
        Speicherregistrierung registrierung;
        if (!pfadwert.empty()) {
            registrierung.werte[msinfo]["PATH"] = {regSz, pfadwert};
        }
        if (ordner) {
            registrierung.werte["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {
                regSz, werkzeugordner.toStdString() + '\0'};
        }
        if (werkzeug) {
            plattform.dateiNeuAnlegen(werkzeugordner + "\\MSINFO32.EXE", Dateiart::Dokument, "MZ",
                                      nullptr);
        }
        StartSysInfo(plattform, {registrierung, [&] { return QString::fromStdString(ersatz); }},
                     nullptr);
        const QString erwartet =
            QString::fromStdString(gestartet).replace("{ordner}", werkzeugordner);
        EXPECT_EQ(plattform.gestartet.join('|'), erwartet);
        EXPECT_EQ(plattform.meldungen.size(), erwartet.isEmpty() || !startet ? 1 : 0) << gestartet;
    }
}

} // namespace
} // namespace velmora
