#include "compose/phrasen.h"

#include "compose/phrasenbibliothek.h"

namespace velmora {

namespace {

const std::array<const Phrasenbibliothek*, anzahlZeugnisarten> bibliotheken = {
    &endzeugnisphrasen, &zwischenzeugnisphrasen};
const std::array<const Formulierungen*, anzahlZeugnisarten> formulierungen = {
    &endzeugnisformulierungen, &zwischenzeugnisformulierungen};

} // namespace

const Phrase* phrase(int bereich, int note, Zeugnisart art, int formulierung) {
    if (bereich < 1 || bereich > anzahlBereiche) {
        return nullptr;
    }
    const auto& phrasen = (*bibliotheken[artIndex(art)])[bereich - 1];
    if (note < 1 || note > static_cast<int>(phrasen.size())) {
        return nullptr;
    }
    const auto& andere = (*formulierungen[artIndex(art)])[bereich - 1];
    if (formulierung < 2 || formulierung > anzahlFormulierungen ||
        note > static_cast<int>(andere.size())) {
        return &phrasen[note - 1];
    }
    return &andere[note - 1][formulierung - 2];
}

} // namespace velmora
