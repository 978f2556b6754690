#pragma once

#include "compose/bewertungsbereich.h"
#include "compose/zeugnisdaten.h"

#include <array>
#include <stdexcept>

namespace velmora {

inline constexpr int anzahlEinstellungszeilen = 101;

// The grade groups as the settings file lays them out: the school grades' buttons of every
// section but Beendigungsgrund in one block, Beendigungsgrund's own after it.
inline constexpr int notenknoepfe = static_cast<int>(schulnoten.size());
inline constexpr int beendigungsknoepfe = bewertungsbereich(beendigungsgrund).stufen();

// The two tab strips: the sections below, the inputs and the warning above.
inline constexpr int untereLeiste = 0;
inline constexpr int obereLeiste = 1;
inline constexpr std::array<int, 2> reiterJeLeiste = {anzahlBereiche,
                                                      static_cast<int>(angabenreiter.size())};

enum class Wertart { Zahl, Text, Schalter };

enum class Steuerelement { Geschlecht, Text, Notenknopf, Anzeige, Reiter };

// One line of arbeitszeugnis.ini: how its value is written and which control it belongs to.
struct Einstellungszeile {
    Wertart art;
    Steuerelement element;
    int nummer = 0; // text index 0..9, section 1..13, or tab strip
    int knopf = 0;  // button index within the section's group
    // A number outside these bounds leaves its control alone.
    int kleinster = 0;
    int groesster = 0;
};

constexpr std::array<Einstellungszeile, anzahlEinstellungszeilen> einstellungszeilenAufbauen() {
    std::array<Einstellungszeile, anzahlEinstellungszeilen> zeilen{};
    std::size_t i = 0;
    zeilen[i++] = {Wertart::Zahl, Steuerelement::Geschlecht, 0, 0, keinGeschlecht, frau};
    for (int text = 0; text < anzahlEingaben; ++text) {
        zeilen[i++] = {Wertart::Text, Steuerelement::Text, text};
    }
    // Button first, section second; Beendigungsgrund has fewer buttons and follows the block.
    for (int knopf = 0; knopf < notenknoepfe; ++knopf) {
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            if (bereich != beendigungsgrund) {
                zeilen[i++] = {Wertart::Schalter, Steuerelement::Notenknopf, bereich, knopf};
            }
        }
    }
    for (int knopf = 0; knopf < beendigungsknoepfe; ++knopf) {
        zeilen[i++] = {Wertart::Schalter, Steuerelement::Notenknopf, beendigungsgrund, knopf};
    }
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        zeilen[i++] = {Wertart::Zahl, Steuerelement::Anzeige, bereich, 0, anzeigeAus, anzeigeGrau};
    }
    for (int leiste : {untereLeiste, obereLeiste}) {
        zeilen[i++] = {
            Wertart::Zahl, Steuerelement::Reiter, leiste, 0, 0, reiterJeLeiste[leiste] - 1};
    }
    if (i != zeilen.size()) {
        throw std::logic_error("the settings file has 101 lines"); // fails the compilation
    }
    return zeilen;
}

// Reading and writing both walk this table, so the two can never disagree on the order.
inline constexpr auto einstellungszeilen = einstellungszeilenAufbauen();

} // namespace velmora
