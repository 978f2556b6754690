#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

// What a rule's words do to a sentence.
enum class Regelart : std::uint8_t {
    Stufe,         // praise of this strength: 1 the highest … 5 the faintest
    Heben,         // "stets", "jederzeit": one grade better
    Senken,        // "meist", "in der Regel": one grade worse
    Boden,         // never better than `wert`: "im Großen und Ganzen" is a 5
    Zufriedenheit, // the core of the satisfaction formula
    Schluss,       // a part of the closing formula (Schlussteil)
    Grund,     // why a final reference's employment ends (1 Arbeitnehmer … 3 Aufhebungsvertrag)
    Anlass,    // why an interim reference is issued (1 Wunsch … 3 Umstrukturierung)
    Code,      // a hidden code; `wert` the grade it stands for
    Aufhebung, // the words cancel another rule's words they contain ("nicht nur")
};

enum class Schlussteil : std::uint8_t { Bedauern, Dank, Wunsch, Erfolg, Freude, Bisher };

// One rule: its words ("stets", "zu unserer vollst* zufriedenheit"; "wort*" any ending, "*wort"
// any beginning, "*wort*" within a word), what they do, and what they mean for the reader.
// `bereich` > 0: only in that section; < 0: in every section but that one.
struct Regel {
    std::string_view woerter;
    Regelart art;
    int wert;
    std::string_view erklaerung;
    std::string_view code = {};
    int bereich = 0;
};

// The words that point to a section (0: heading, opening, tasks), by weight.
struct Wortfeld {
    std::string_view woerter;
    int bereich;
    int gewicht;
};

std::span<const Regel> regeln();
std::span<const Wortfeld> wortfelder();

} // namespace velmora
