#pragma once

#include "files/einstellungen.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

inline std::vector<std::string> zeilenAus(std::string_view text) {
    std::vector<std::string> zeilen;
    for (std::size_t ende; (ende = text.find('\n')) != text.npos; text.remove_prefix(ende + 1)) {
        zeilen.emplace_back(text.substr(0, ende));
    }
    return zeilen;
}

// A window with "Frau", grade 2 in Fachwissen, grade 6 in Schlussformel,
// "Aufhebungsvertrag", sections 1 and 13 shown and the lower strip on "&Schlussformel".
inline Einstellungen beispielzustand() {
    Einstellungen e;
    e.geschlecht = frau;
    std::ranges::copy(
        zeilenAus("Hans\nMustermann\n16.04.1947\nMünchen\nAnteilungsleiter Elektonik\n"
                  "Zevuz Elektonikhandelsgesellschaft mbH\nDüsseldorf\n01.04.1995\n"
                  "30.06.2003\n30.06.2003\n"),
        e.texte.begin());
    e.knoepfe[0] = 1;
    e.knoepfe[11] = 2;
    e.knoepfe[12] = 5;
    e.anzeige[0] = e.anzeige[12] = anzeigeAn;
    e.reiter = {12, 0};
    return e;
}

using Zeilenersatz = std::vector<std::pair<int, std::string>>;

// That window's file, written out by hand: its first `anzahl` lines, some of them (numbered
// from 1) replaced, each ended by `ende`.
inline std::string beispieldatei(const Zeilenersatz& ersetzt = {}, std::string_view ende = "\r\n",
                                 int anzahl = 101) {
    auto z = zeilenAus("\n1\nHans\nMustermann\n16.04.1947\nM\xFCnchen\nAnteilungsleiter Elektonik\n"
                       "Zevuz Elektonikhandelsgesellschaft mbH\nD\xFCsseldorf\n01.04.1995\n"
                       "30.06.2003\n30.06.2003\n");
    // Fachwissen grade 2, Schlussformel grade 6, Aufhebungsvertrag.
    for (int zeile = 12; zeile <= 86; ++zeile) {
        z.emplace_back(zeile == 24 || zeile == 83 || zeile == 86 ? "True" : "False");
    }
    for (int zeile = 87; zeile <= 99; ++zeile) {
        z.emplace_back(zeile == 87 || zeile == 99 ? "1" : "0");
    }
    z.insert(z.end(), {"12", "0"});
    for (const auto& [nummer, wert] : ersetzt) {
        z[nummer] = wert;
    }
    std::string datei;
    for (int i = 1; i <= anzahl; ++i) {
        datei += z[i] + std::string(ende);
    }
    return datei;
}

} // namespace velmora
