#pragma once

#include "files/einstellungen.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// A window with "Frau", grade 2 in Fachwissen, grade 6 in Schlussformel,
// "Aufhebungsvertrag", sections 1 and 13 shown and the lower strip on "&Schlussformel".
inline Einstellungen beispielzustand() {
    Einstellungen e;
    e.geschlecht = frau;
    e.texte = {"Hans",
               "Mustermann",
               "16.04.1947",
               "München",
               "Anteilungsleiter Elektonik",
               "Zevuz Elektonikhandelsgesellschaft mbH",
               "Düsseldorf",
               "01.04.1995",
               "30.06.2003",
               "30.06.2003"};
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
    std::vector<std::string> z = {"",
                                  "1",
                                  "Hans",
                                  "Mustermann",
                                  "16.04.1947",
                                  "M\xFCnchen",
                                  "Anteilungsleiter Elektonik",
                                  "Zevuz Elektonikhandelsgesellschaft mbH",
                                  "D\xFCsseldorf",
                                  "01.04.1995",
                                  "30.06.2003",
                                  "30.06.2003"};
    // Fachwissen grade 2, Aufhebungsvertrag, Schlussformel grade 6; sections 1 and 13 shown.
    for (int zeile = 12; zeile <= 99; ++zeile) {
        z.emplace_back(zeile == 24 || zeile == 83 || zeile == 86 ? "True"
                       : zeile < 87                              ? "False"
                       : zeile == 87 || zeile == 99              ? "1"
                                                                 : "0");
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
