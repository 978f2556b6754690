#include "compose/eigenertext.h"

#include "compose/phrasen.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view weiter = ". ";

bool endetWeiter(const Phrase& phrase) {
    const auto teile = phrase.teile();
    return !teile.empty() && teile.back().art == Phrasenteil::Art::Text &&
           teile.back().text.ends_with(weiter);
}

} // namespace

bool laeuftWeiter(int bereich, Zeugnisart art) {
    bool alle = true;
    bool eine = false;
    for (int note = 1; const Phrase* p = phrase(bereich, note, art); ++note) {
        alle = alle && endetWeiter(*p);
        eine = true;
    }
    return eine && alle;
}

std::string eigenerText(int bereich, Zeugnisart art, std::string_view text) {
    std::string zeile = einzeilig(text);
    std::string ergebnis(beschnitten(zeile));
    if (ergebnis.empty() || !laeuftWeiter(bereich, art)) {
        return ergebnis;
    }
    // A sentence already closed keeps its mark; only the blank is added.
    constexpr std::string_view satzenden[] = {".", "!", "?", "…"};
    if (std::ranges::none_of(satzenden,
                             [&](std::string_view ende) { return ergebnis.ends_with(ende); })) {
        ergebnis += '.';
    }
    ergebnis += ' ';
    return ergebnis;
}

} // namespace velmora
