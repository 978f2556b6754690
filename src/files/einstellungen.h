#pragma once

#include "files/einstellungszeilen.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velmora {

// The state of the main window that arbeitszeugnis.ini keeps between runs.
struct Einstellungen {
    int geschlecht = keinGeschlecht;
    std::array<std::string, anzahlEingaben> texte; // UTF-8, txtang(0) to txtang(9)
    // Per section (index: section number - 1) the selected button index, if any: a group
    // holds one selected button at most.
    std::array<std::optional<int>, anzahlBereiche> knoepfe;
    std::array<int, anzahlBereiche> anzeige{}; // anzeigeAus, anzeigeAn or anzeigeGrau
    std::array<int, 2> reiter{};               // selected tab of untereLeiste, obereLeiste

    bool operator==(const Einstellungen&) const = default;
};

// A number for Zahl lines, true or false for Schalter lines, UTF-8 for Text lines.
using Einstellungswert = std::variant<int, bool, std::string>;

// Index i holds line i + 1 of the file; nothing where the line is missing, unreadable or
// out of range.
using GeleseneEinstellungen = std::array<std::optional<Einstellungswert>, anzahlEinstellungszeilen>;

std::string einstellungenSchreiben(const Einstellungen& einstellungen);

GeleseneEinstellungen einstellungenLesen(std::string_view datei);

} // namespace velmora
