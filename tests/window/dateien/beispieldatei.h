#pragma once

#include <string>
#include <vector>

#include "einstellungen.h"

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
    e.knoepfe[12] = 5;
    e.knoepfe[11] = 2;
    e.anzeige[0] = anzeigeAn;
    e.anzeige[12] = anzeigeAn;
    e.reiter = {12, 0};
    return e;
}

// The lines of that window's file, numbered from 1 as the file is, written out by hand.
inline std::vector<std::string> beispielzeilen() {
    std::vector<std::string> z = {"", "1"};
    for (const char* text : {"Hans", "Mustermann", "16.04.1947", "M\xFCnchen",
                             "Anteilungsleiter Elektonik", "Zevuz Elektonikhandelsgesellschaft mbH",
                             "D\xFCsseldorf", "01.04.1995", "30.06.2003", "30.06.2003"}) {
        z.emplace_back(text);
    }
    // Fachwissen grade 2, Schlussformel grade 6, Aufhebungsvertrag.
    for (int zeile = 12; zeile <= 86; ++zeile) {
        z.emplace_back(zeile == 24 || zeile == 83 || zeile == 86 ? "True" : "False");
    }
    // Fachwissen and Schlussformel shown.
    for (int zeile = 87; zeile <= 99; ++zeile) {
        z.emplace_back(zeile == 87 || zeile == 99 ? "1" : "0");
    }
    z.emplace_back("12");
    z.emplace_back("0");
    return z;
}

inline std::string zusammenfuegen(const std::vector<std::string>& zeilenAbEins,
                                  std::string_view ende = "\r\n") {
    std::string datei;
    for (std::size_t i = 1; i < zeilenAbEins.size(); ++i) {
        datei += zeilenAbEins[i];
        datei += ende;
    }
    return datei;
}

} // namespace velmora
