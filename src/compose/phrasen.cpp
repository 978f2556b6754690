#include "compose/phrasen.h"

#include "compose/phrasenbibliothek.h"

namespace velmora {

namespace {

const std::array<const Phrasenbibliothek*, anzahlZeugnisarten> bibliotheken = {
    &endzeugnisphrasen, &zwischenzeugnisphrasen};

} // namespace

const Phrase* phrase(int bereich, int note, Zeugnisart art) {
    if (bereich < 1 || bereich > anzahlBereiche) {
        return nullptr;
    }
    const auto& phrasen = (*bibliotheken[artIndex(art)])[bereich - 1];
    if (note < 1 || note > static_cast<int>(phrasen.size())) {
        return nullptr;
    }
    return &phrasen[note - 1];
}

} // namespace velmora
