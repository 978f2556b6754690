#include "support/zustandsempfaenger.h"

namespace velmora {

void Zustandsempfaenger::geschlechtWaehlen(int geschlecht) {
    zustand.geschlecht = geschlecht;
}

void Zustandsempfaenger::textSetzen(int index, const std::string& text) {
    zustand.texte[index] = text;
}

void Zustandsempfaenger::knopfSetzen(int bereich, int knopf, bool an) {
    auto& gewaehlt = zustand.knoepfe[bereich - 1];
    if (an) {
        gewaehlt = knopf;
    } else if (gewaehlt == knopf) {
        gewaehlt.reset();
    }
}

void Zustandsempfaenger::anzeigeSetzen(int bereich, int wert) {
    zustand.anzeige[bereich - 1] = wert;
}

void Zustandsempfaenger::reiterSetzen(int leiste, int index) {
    zustand.reiter[leiste] = index;
}

Einstellungen einstellungenUebernehmen(std::string_view datei, Einstellungen ausgang) {
    Zustandsempfaenger empfaenger(std::move(ausgang));
    einstellungenAnwenden(einstellungenLesen(datei), empfaenger);
    return std::move(empfaenger.zustand);
}

} // namespace velmora
