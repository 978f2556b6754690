#pragma once

#include "files/einstellungen.h"

#include <string>

namespace velmora {

// Every section graded and shown, texts as long as real ones.
inline Einstellungen volleEinstellungen(const std::string& vorname = "Hans-Jürgen") {
    Einstellungen e;
    e.geschlecht = frau;
    e.texte = {vorname,
               "Müller-Lüdenscheidt",
               "16.04.1947",
               "München",
               "Abteilungsleiterin Elektronik und Qualitätssicherung",
               "Zevuz Elektronikhandelsgesellschaft mbH & Co. KG",
               "Düsseldorf",
               "01.04.1995",
               "30.06.2003",
               "30.06.2003"};
    for (int b = 0; b < anzahlBereiche; ++b) {
        e.knoepfe[b] = b % 3;
        e.anzeige[b] = anzeigeAn;
    }
    e.reiter = {12, 2};
    return e;
}

// The same as a whole reference, with tasks and signatory filled.
inline Zeugnisdaten vollesZeugnis() {
    const Einstellungen e = volleEinstellungen();
    Zeugnisdaten daten;
    daten.geschlecht = e.geschlecht;
    daten.texte = e.texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        daten.bereiche[i] = {*e.knoepfe[i] + 1, e.anzeige[i]};
    }
    daten.aufgaben = {"Vertrieb",
                      {"Betreuung der Großkunden im Rheinland", "Erstellung von Angeboten",
                       "Führung eines Teams von sechs Mitarbeitern"},
                      "Sie steigerte den Umsatz ihres Bereichs in drei Jahren um 40 %."};
    daten.unterzeichner = {"Petra Schmidt", "Personalleiterin", "ppa."};
    return daten;
}

} // namespace velmora
