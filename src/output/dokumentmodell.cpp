#include "output/dokumentmodell.h"

#include <ranges>

namespace velmora {

std::vector<Absatz> briefkopfAbsaetze(const Dokumentmodell& modell) {
    constexpr Zeichenformat klein{.halbpunkte = 18};
    constexpr Zeichenformat firma{.fett = true, .halbpunkte = 24};
    std::vector<Absatz> absaetze;
    if (!modell.briefkopf) {
        return absaetze;
    }
    const Briefkopf& briefkopf = *modell.briefkopf;
    if (briefkopf.logo) {
        absaetze.push_back(
            {.ausrichtung = Ausrichtung::Zentriert, .marke = klein, .bild = &*briefkopf.logo});
    }
    auto zeilen = briefkopf.zeilen.begin();
    if (!briefkopf.firma.empty()) {
        absaetze.push_back({.laeufe = {{briefkopf.firma, firma}},
                            .ausrichtung = Ausrichtung::Zentriert,
                            .marke = firma});
        if (zeilen != briefkopf.zeilen.end() && *zeilen == briefkopf.firma) {
            ++zeilen;
        }
    }
    for (const std::string& zeile : std::ranges::subrange(zeilen, briefkopf.zeilen.end())) {
        absaetze.push_back(
            {.laeufe = {{zeile, klein}}, .ausrichtung = Ausrichtung::Zentriert, .marke = klein});
    }
    if (!absaetze.empty()) {
        absaetze.push_back({.ausrichtung = Ausrichtung::Zentriert, .marke = klein});
    }
    return absaetze;
}

} // namespace velmora
