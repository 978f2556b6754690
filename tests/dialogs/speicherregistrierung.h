#pragma once

#include "registrierung.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// A registry in memory that answers like the Windows calls: keys refuse access rights they do
// not grant, a value longer than the caller's buffer is not read, and every handle is counted
// so that a test can see whether it was closed.
class Speicherregistrierung : public Registrierung {
public:
    struct Wert {
        std::uint32_t typ;
        std::string daten; // the bytes as stored, a string with or without its NUL
    };

    static constexpr std::uint32_t alleRechte = 0xF003F; // KEY_ALL_ACCESS
    static constexpr std::uint32_t leserechte = 0x20019; // KEY_READ

    void schluesselAnlegen(Schluessel wurzel, const std::string& name,
                           std::uint32_t erlaubt = alleRechte);
    void wertSetzen(Schluessel wurzel, const std::string& name, const std::string& wertname,
                    Wert wert);
    std::size_t offeneSchluessel() const { return offen.size(); }
    // The names of the keys asked for, in order, whether they could be opened or not.
    const std::vector<std::string>& versuchteSchluessel() const { return versucht; }

    std::optional<Schluessel> oeffnen(Schluessel wurzel, std::string_view name,
                                      std::uint32_t zugriff) override;
    bool wertLesen(Schluessel schluessel, std::string_view wertname, std::uint32_t& typ,
                   std::span<char> puffer, std::uint32_t& groesse) override;
    void schliessen(Schluessel schluessel) override;

private:
    struct Eintrag {
        std::uint32_t erlaubt;
        std::map<std::string, Wert> werte;
    };
    using Pfad = std::pair<Schluessel, std::string>;

    std::map<Pfad, Eintrag> schluessel;
    std::map<Schluessel, Pfad> offen;
    std::vector<std::string> versucht;
    Schluessel naechsterGriff = 1;
};

} // namespace velmora
