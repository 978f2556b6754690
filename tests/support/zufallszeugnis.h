#pragma once

#include "compose/bewertungsbereich.h"
#include "compose/zeugnisdaten.h"

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace velmora::test {

// Everything a reference holds, for comparing two of them.
inline auto felder(const Zeugnisdaten& d) {
    return std::tie(d.texte, d.geschlecht, d.bereiche, d.art, d.geburtsangaben, d.aufgaben,
                    d.unterzeichner, d.eigeneTexte, d.bausteinIds);
}

// A reference with every member chosen at random, some sections with own words; its texts mix
// umlauts, characters beyond U+FFFF, quotes, braces, backslashes and control characters.
// `zeilenumbrueche` allows line breaks in the texts, which a settings file or a one-line box does
// not keep.
inline Zeugnisdaten zufallszeugnis(std::mt19937& zufall, bool zeilenumbrueche = true) {
    static constexpr std::array<const char*, 14> bausteine = {
        "Hans",  "Müller-Lüdenscheidt", " ",   "\"", "\\", "{}", "\t", "€ 5", "😀", "ß", "\x01",
        "i. V.", "Düsseldorf",          "\r\n"};
    const auto text = [&] {
        std::string t;
        for (int n = int(zufall() % 5); n > 0; --n) {
            const std::size_t anzahl = bausteine.size() - (zeilenumbrueche ? 0 : 1);
            t += bausteine[zufall() % anzahl];
        }
        return t;
    };
    Zeugnisdaten d;
    for (std::string& t : d.texte) {
        t = text();
    }
    d.geschlecht = int(zufall() % 3) - 1;
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        d.bereich(bereich.nummer).note = int(zufall() % (bereich.stufen() + 1));
        d.bereich(bereich.nummer).anzeige = int(zufall() % 3);
        if (!bereich.istBeendigungsgrund()) {
            d.bereich(bereich.nummer).formulierung = 1 + int(zufall() % anzahlFormulierungen);
        }
        if (zufall() % 4 == 0) {
            d.eigenerText(bereich.nummer) = "Eigener Text " + text();
            if (zufall() % 2 == 0) {
                d.bausteinIds[bereich.nummer - 1] = std::to_string(zufall());
            }
        }
    }
    d.art = zufall() % 2 ? Zeugnisart::Zwischenzeugnis : Zeugnisart::Endzeugnis;
    d.geburtsangaben = zufall() % 2;
    d.aufgaben.bereich = text();
    for (int n = int(zufall() % 4); n > 0; --n) {
        d.aufgaben.liste.push_back(text());
    }
    // The tasks box cannot tell one empty line from none.
    if (d.aufgaben.liste == std::vector<std::string>{""}) {
        d.aufgaben.liste.clear();
    }
    d.aufgaben.erfolge = text();
    static constexpr std::array<const char*, 3> zusaetze = {"", "i. V.", "ppa."};
    d.unterzeichner = {text(), text(), zusaetze[zufall() % zusaetze.size()]};
    return d;
}

} // namespace velmora::test
