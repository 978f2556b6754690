#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// A handle to an open registry key (a root key such as HKEY_LOCAL_MACHINE is one too).
using Schluessel = std::uint32_t;

inline constexpr Schluessel hkeyLocalMachine = 0x80000002;

// The value types the program tells apart (REG_SZ, REG_DWORD); every other type is a number too.
inline constexpr std::uint32_t regSz = 1;
inline constexpr std::uint32_t regDword = 4;

// The three registry calls the system-information launcher needs, as Windows answers them
// (RegOpenKeyExA, RegQueryValueExA, RegCloseKey). Texts are the bytes of the ANSI calls.
class Registrierung {
public:
    virtual ~Registrierung() = default;

    // Nothing when the key does not exist or the rights of `zugriff` are not granted.
    virtual std::optional<Schluessel> oeffnen(Schluessel wurzel, std::string_view name,
                                              std::uint32_t zugriff) = 0;
    // Copies the value into `puffer` and sets its type and the bytes written. Fails, writing
    // nothing, when the value is missing or longer than the buffer.
    virtual bool wertLesen(Schluessel schluessel, std::string_view wertname, std::uint32_t& typ,
                           std::span<char> puffer, std::uint32_t& groesse) = 0;
    virtual void schliessen(Schluessel schluessel) = 0;
};

// Linux has no registry: no key can be opened.
class KeineRegistrierung : public Registrierung {
public:
    std::optional<Schluessel> oeffnen(Schluessel, std::string_view, std::uint32_t) override {
        return std::nullopt;
    }
    bool wertLesen(Schluessel, std::string_view, std::uint32_t&, std::span<char>,
                   std::uint32_t&) override {
        return false;
    }
    void schliessen(Schluessel) override {}
};

// Reads the value `subKeyRef` of the key `keyName` below `keyRoot` into `keyVal`: a string as
// its text, a double word as "&h" and its hexadecimal digits; any other type leaves `keyVal`
// as it was. On failure `keyVal` is emptied and the result is false. The key is always closed.
bool GetKeyValue(Registrierung& registrierung, Schluessel keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

} // namespace velmora
