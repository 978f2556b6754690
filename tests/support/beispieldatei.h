#pragma once

#include "files/einstellungen.h"
#include "support/datentabelle.h"

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

// That window's file (beispiel.txt beside this header): its first `anzahl` lines, some of them
// (numbered from 1) replaced, each ended by `ende`.
inline std::string beispieldatei(const Zeilenersatz& ersetzt = {}, std::string_view ende = "\r\n",
                                 int anzahl = 101) {
    std::vector<std::string> zeilen;
    for (const auto& zeile : test::datentabelle(VELMORA_TESTDATEN "/beispiel.txt")) {
        zeilen.push_back(zeile.at(0));
    }
    for (const auto& [nummer, wert] : ersetzt) {
        zeilen.at(nummer - 1) = wert;
    }
    std::string datei;
    for (int i = 0; i < anzahl; ++i) {
        datei += zeilen.at(i) + std::string(ende);
    }
    return datei;
}

} // namespace velmora
