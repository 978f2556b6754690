#include "output/dokumentmodell.h"

namespace velmora {

std::vector<Absatz> briefkopfAbsaetze(const Dokumentmodell& modell) {
    constexpr Zeichenformat klein{.halbpunkte = 18};
    std::vector<Absatz> absaetze;
    if (!modell.briefkopf) {
        return absaetze;
    }
    const Briefkopf& briefkopf = *modell.briefkopf;
    if (briefkopf.logo) {
        absaetze.push_back(
            {.ausrichtung = Ausrichtung::Zentriert, .marke = klein, .bild = &*briefkopf.logo});
    }
    for (const std::string& zeile : briefkopf.zeilen) {
        absaetze.push_back(
            {.laeufe = {{zeile, klein}}, .ausrichtung = Ausrichtung::Zentriert, .marke = klein});
    }
    if (!absaetze.empty()) {
        absaetze.push_back({.ausrichtung = Ausrichtung::Zentriert, .marke = klein});
    }
    return absaetze;
}

} // namespace velmora
