#include "platform/systeminfo.h"
#include "support/datentabelle.h"
#include "support/fakeplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

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

// Each value of the list beside this test read into keyVal, the key closed again; one longer
// than the program's buffer is not read.
TEST(GetKeyValue, LiestDenWertUndSchliesstDenSchluessel) {
    auto faelle = test::datentabelle(VELMORA_DATEN "/registerwerte.txt");
    faelle.push_back({"1", std::string(1025, 'x'), "nein", ""});
    for (const auto& fall : faelle) {
        const auto typ = std::uint32_t(std::stoul(fall.at(0)));
        Speicherregistrierung registrierung;
        registrierung.werte[msinfo][typ ? "PATH" : "MSINFO"] = {typ, fall.at(1)};
        std::string keyVal = "vorher";
        EXPECT_EQ(GetKeyValue(registrierung, hkeyLocalMachine, msinfo, "PATH", keyVal),
                  fall.at(2) == "ja");
        EXPECT_EQ(keyVal, fall.at(3)) << testing::PrintToString(fall[1]);
        EXPECT_TRUE(registrierung.offen.empty());
    }
}

// For each arrangement of the list beside this test, what StartSysInfo starts, and whether it
// ends in a message.
TEST(StartSysInfo, StartetDasWerkzeugOderMeldetEs) {
    for (const auto& fall : test::datentabelle(VELMORA_DATEN "/starts.txt")) {
        FakePlattform plattform;
        plattform.startenGelingt = fall.at(3) == "ja";
        const QString ordner = plattform.programmordnerPfad;
        Speicherregistrierung registrierung;
        if (!fall.at(1).empty()) {
            registrierung.werte[msinfo]["PATH"] = {regSz, fall[1]};
        }
        if (fall.at(2) != "-") {
            registrierung.werte["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {
                regSz, (ordner + "/" + fall[2].c_str()).toStdString() + '\0'};
        }
        plattform.dateiNeuAnlegen(ordner + "/mit\\MSINFO32.EXE", Dateiart::Dokument, "MZ", {});
        StartSysInfo(plattform, {registrierung, [&] { return QString::fromStdString(fall.at(4)); }},
                     nullptr);
        const QString gestartet =
            QString::fromStdString(fall[0]).replace("{ordner}", ordner + "/" + fall[2].c_str());
        EXPECT_EQ(plattform.gestartet.join('|'), gestartet);
        EXPECT_EQ(plattform.meldungen.size(), gestartet.isEmpty() || fall[3] == "nein") << fall[0];
    }
}

} // namespace
} // namespace velmora
