#include "platform/registrierung.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velmora {

namespace {

// Query value, set value, create subkey, enumerate subkeys, notify, create link, read control.
constexpr std::uint32_t zugriffsmaske = 0x2003F;
constexpr std::size_t puffergroesse = 1024;

// A string is stored with or without its terminating NUL; both give the same text.
std::string ohneAbschluss(const char* daten, std::uint32_t groesse) {
    if (groesse > 0 && daten[groesse - 1] == '\0') {
        --groesse;
    }
    return std::string(daten, groesse);
}

// The bytes of a double word, last to first, as one hexadecimal number without leading zeros.
std::string alsHexadezimal(const char* daten, std::uint32_t groesse) {
    std::uint32_t zahl = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(groesse, 4); i > 0; --i) {
        zahl = (zahl << 8) | static_cast<unsigned char>(daten[i - 1]);
    }
    std::array<char, 9> ziffern{};
    std::snprintf(ziffern.data(), ziffern.size(), "%X", zahl);
    return "&h" + std::string(ziffern.data());
}

} // namespace

bool GetKeyValue(Registrierung& registrierung, Schluessel keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal) {
    const std::optional<Schluessel> schluessel =
        registrierung.oeffnen(keyRoot, keyName, zugriffsmaske);
    if (!schluessel) {
        keyVal.clear();
        return false;
    }
    std::array<char, puffergroesse> puffer{};
    std::uint32_t typ = 0;
    std::uint32_t groesse = 0;
    const bool gelesen = registrierung.wertLesen(*schluessel, subKeyRef, typ, puffer, groesse) &&
                         groesse <= puffer.size();
    registrierung.schliessen(*schluessel);
    if (!gelesen) {
        keyVal.clear();
        return false;
    }
    if (typ == regSz) {
        keyVal = ohneAbschluss(puffer.data(), groesse);
    } else if (typ == regDword) {
        keyVal = alsHexadezimal(puffer.data(), groesse);
    }
    return true;
}

} // namespace velmora
