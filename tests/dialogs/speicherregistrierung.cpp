#include "speicherregistrierung.h"

#include <algorithm>

namespace velmora {

void Speicherregistrierung::schluesselAnlegen(Schluessel wurzel, const std::string& name,
                                              std::uint32_t erlaubt) {
    schluessel[{wurzel, name}].erlaubt = erlaubt;
}

void Speicherregistrierung::wertSetzen(Schluessel wurzel, const std::string& name,
                                       const std::string& wertname, Wert wert) {
    auto eintrag = schluessel.try_emplace({wurzel, name}, Eintrag{alleRechte, {}}).first;
    eintrag->second.werte[wertname] = std::move(wert);
}

std::optional<Schluessel> Speicherregistrierung::oeffnen(Schluessel wurzel, std::string_view name,
                                                         std::uint32_t zugriff) {
    versucht.emplace_back(name);
    const Pfad pfad{wurzel, std::string(name)};
    const auto eintrag = schluessel.find(pfad);
    if (eintrag == schluessel.end() || (zugriff & ~eintrag->second.erlaubt) != 0) {
        return std::nullopt;
    }
    const Schluessel griff = naechsterGriff++;
    offen[griff] = pfad;
    return griff;
}

bool Speicherregistrierung::wertLesen(Schluessel griff, std::string_view wertname,
                                      std::uint32_t& typ, std::span<char> puffer,
                                      std::uint32_t& groesse) {
    const auto pfad = offen.find(griff);
    if (pfad == offen.end()) {
        return false;
    }
    const auto& werte = schluessel.at(pfad->second).werte;
    const auto wert = werte.find(std::string(wertname));
    if (wert == werte.end()) {
        return false;
    }
    // ERROR_MORE_DATA: the size needed is told, nothing is copied.
    groesse = static_cast<std::uint32_t>(wert->second.daten.size());
    if (wert->second.daten.size() > puffer.size()) {
        return false;
    }
    typ = wert->second.typ;
    std::ranges::copy(wert->second.daten, puffer.begin());
    return true;
}

void Speicherregistrierung::schliessen(Schluessel griff) {
    offen.erase(griff);
}

} // namespace velmora
