#pragma once

#include "compose/zeugnisdaten.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// How a piece looks in the document.
enum class Zeichenformat { Ueberschrift, Normal, Fett, Kursiv };
enum class Ausrichtung { Links, Zentriert, Blocksatz };

// One piece of the finished reference with what follows it in each output. A count of 0
// runs the next present piece on in the same line or paragraph.
struct Zeugnisstueck {
    std::string text;
    int zeilenumbrueche;
    int absatzmarken;
    Zeichenformat zeichen;
    Ausrichtung ausrichtung;
};

// The preview texts as the window's labels hold them; index: section number - 1.
using AngezeigteVorschautexte = std::array<std::string, anzahlBereiche>;

// The present pieces of the reference in their order: the fixed head, the previews of the
// shown sections as they stand (never recomposed), the closing block.
std::vector<Zeugnisstueck> zeugnisaufbau(const Zeugnisdaten& daten,
                                         const AngezeigteVorschautexte& vorschautexte);

} // namespace velmora
