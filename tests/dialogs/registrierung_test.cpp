#include "registrierung.h"
#include "speicherregistrierung.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmora {
namespace {

const std::string schluesselname = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t regBinary = 3;
constexpr Schluessel hkeyCurrentUser = 0x80000001;

struct Fall {
    const char* name;
    std::optional<Speicherregistrierung::Wert> wert; // nothing: the key holds no "PATH"
    std::uint32_t erlaubt;
    bool erfolg;
    std::string erwartet; // keyVal afterwards; it held "vorher" before the call
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class GetKeyValueTest : public testing::TestWithParam<Fall> {};

TEST_P(GetKeyValueTest, LiestDenWertUndSchliesstDenSchluessel) {
    const Fall& fall = GetParam();
    Speicherregistrierung registrierung;
    registrierung.schluesselAnlegen(hkeyLocalMachine, schluesselname, fall.erlaubt);
    if (fall.wert) {
        registrierung.wertSetzen(hkeyLocalMachine, schluesselname, "PATH", *fall.wert);
    }
    std::string keyVal = "vorher";

    EXPECT_EQ(GetKeyValue(registrierung, hkeyLocalMachine, schluesselname, "PATH", keyVal),
              fall.erfolg);
    EXPECT_EQ(keyVal, fall.erwartet);
    EXPECT_EQ(registrierung.offeneSchluessel(), 0u);
}

const std::string pfad = "C:\\Programme\\Gemeinsame Dateien\\MSINFO\\MSINFO32.EXE";
const std::string voll(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Werte, GetKeyValueTest,
    testing::Values(
        Fall{"TextMitNul", {{regSz, pfad + '\0'}}, Speicherregistrierung::alleRechte, true, pfad},
        Fall{"TextOhneNul", {{regSz, pfad}}, Speicherregistrierung::alleRechte, true, pfad},
        Fall{"LeererText", {{regSz, ""}}, Speicherregistrierung::alleRechte, true, ""},
        Fall{
            "NurNul", {{regSz, std::string(1, '\0')}}, Speicherregistrierung::alleRechte, true, ""},
        Fall{"WindowsZeichensatzBleibtByteFuerByte",
             {{regSz, "C:\\Gr\xF6\xDF"
                      "e\\"}},
             Speicherregistrierung::alleRechte,
             true,
             "C:\\Gr\xF6\xDF"
             "e\\"},
        Fall{"PuffervollOhneNul", {{regSz, voll}}, Speicherregistrierung::alleRechte, true, voll},
        Fall{"PuffervollMitNul",
             {{regSz, voll.substr(1) + '\0'}},
             Speicherregistrierung::alleRechte,
             true,
             voll.substr(1)},
        Fall{"LaengerAlsDerPuffer",
             {{regSz, voll + 'x'}},
             Speicherregistrierung::alleRechte,
             false,
             ""},
        Fall{"Doppelwort",
             {{regDword, std::string("\x2A\x01\0\0", 4)}},
             Speicherregistrierung::alleRechte,
             true,
             "&h12A"},
        Fall{"DoppelwortNull",
             {{regDword, std::string(4, '\0')}},
             Speicherregistrierung::alleRechte,
             true,
             "&h0"},
        Fall{"DoppelwortMitNullbytesInDerMitte",
             {{regDword, std::string("\x05\0\0\x01", 4)}},
             Speicherregistrierung::alleRechte,
             true,
             "&h1000005"},
        Fall{"DoppelwortHoechsterWert",
             {{regDword, std::string(4, '\xFF')}},
             Speicherregistrierung::alleRechte,
             true,
             "&hFFFFFFFF"},
        Fall{"AndererTypLaesstDenTextStehen",
             {{regBinary, "\x01\x02"}},
             Speicherregistrierung::alleRechte,
             true,
             "vorher"},
        Fall{"WertFehlt", std::nullopt, Speicherregistrierung::alleRechte, false, ""},
        Fall{"NurLeserechte", {{regSz, pfad}}, Speicherregistrierung::leserechte, false, ""}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

TEST(GetKeyValue, FehlenderSchluesselLeertDenText) {
    Speicherregistrierung registrierung;
    std::string keyVal = "vorher";
    EXPECT_FALSE(GetKeyValue(registrierung, hkeyLocalMachine, schluesselname, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST(GetKeyValue, SchluesselUnterEinerAnderenWurzelGiltNicht) {
    Speicherregistrierung registrierung;
    registrierung.wertSetzen(hkeyCurrentUser, schluesselname, "PATH", {regSz, pfad});
    std::string keyVal;
    EXPECT_FALSE(GetKeyValue(registrierung, hkeyLocalMachine, schluesselname, "PATH", keyVal));
}

TEST(GetKeyValue, LinuxHatKeineSchluessel) {
    KeineRegistrierung registrierung;
    std::string keyVal = "vorher";
    EXPECT_FALSE(GetKeyValue(registrierung, hkeyLocalMachine, schluesselname, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
}

} // namespace
} // namespace velmora
