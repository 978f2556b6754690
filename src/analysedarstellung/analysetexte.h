#pragma once

#include "analyse/analyse.h"
#include "compose/zeugnisdaten.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The grades' colours from 1 to 6: a diverging scale that people with the common colour-vision
// deficiencies still tell apart; the text on each in the colour that reads best on it.
struct Notenfarbe {
    std::string_view hintergrund;
    std::string_view schrift;
};
inline constexpr std::array<Notenfarbe, 6> notenfarben = {{
    {"#4575b4", "#ffffff"},
    {"#91bfdb", "#000000"},
    {"#e0f3f8", "#000000"},
    {"#fee090", "#000000"},
    {"#fc8d59", "#000000"},
    {"#d73027", "#ffffff"},
}};

// "2 – gut"; a grade outside 1..6 gives "–".
std::string noteInWorten(int note);

// "Fachwissen"; section 12 by the kind ("Beendigungsgrund", "Ausstellungsgrund"), 0 the
// sentences that rate nothing.
std::string bereichsname(int bereich, Zeugnistyp art);

std::string_view artname(Zeugnistyp art);

// Why the overall grade is what it is, or why there is none.
std::string_view gesamtnotengrund(const Analyse& analyse);

// What the reference says of one section: whether a sentence speaks of it, and the grade of
// its graded sentences (the middle one; of two in the middle the worse).
struct Bereichsbild {
    bool vorhanden = false;
    std::optional<int> note;
};
std::array<Bereichsbild, anzahlBereiche> bereichsbilder(const Analyse& analyse);

// "Fachwissen: 2 – gut", "Führungsfähigkeit: fehlt", "Beendigungsgrund: Kündigung durch den
// Arbeitgeber".
std::string bereichszeile(int bereich, const Analyse& analyse);

// How the reference ends or why it was issued, in words; empty for no such sentence.
std::string grundInWorten(const Satzanalyse& satz);

// The notices that lead to one sentence.
std::vector<const Hinweis*> satzhinweise(const Analyse& analyse, std::size_t satz);

} // namespace velmora
