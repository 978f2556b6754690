#include "compose/komposition.h"

#include "compose/bewertungsbereich.h"
#include "compose/eigenertext.h"
#include "compose/phrasen.h"
#include "compose/schlussformel.h"

namespace velmora {

namespace {

std::string_view wert(const Phrasenteil& teil, const Anredeformen& formen,
                      const Zeugnisdaten& daten) {
    switch (teil.art) {
    case Phrasenteil::Art::Text: // most pieces are literal text
        [[likely]] break;
    case Phrasenteil::Art::Eingabe:
        return daten.texte[teil.index];
    case Phrasenteil::Art::Anrede:
        return formen.woerter[teil.index];
    case Phrasenteil::Art::Aufgabenbereich:
        return daten.aufgaben.bereich;
    }
    return teil.text;
}

} // namespace

void phraseAnhaengen(const Phrase& phrase, const Anredeformen& formen, const Zeugnisdaten& daten,
                     std::string& ziel) {
    std::size_t laenge = ziel.size();
    for (const auto& teil : phrase.teile()) {
        laenge += wert(teil, formen, daten).size();
    }
    ziel.reserve(laenge);
    for (const auto& teil : phrase.teile()) {
        ziel.append(wert(teil, formen, daten));
    }
}

bool vorschautextAnhaengen(int bereich, int note, const Anredeformen& formen,
                           const Zeugnisdaten& daten, std::string& ziel) {
    if (bereich == schlussformel && daten.art == Zeugnisart::Endzeugnis) {
        return schlussformelAnhaengen(note, formen, daten, ziel);
    }
    const bool bekannt = bereich >= 1 && bereich <= anzahlBereiche;
    const Phrase* gewaehlt =
        phrase(bereich, note, daten.art, bekannt ? daten.bereich(bereich).formulierung : 1);
    if (gewaehlt == nullptr) {
        return false;
    }
    phraseAnhaengen(*gewaehlt, formen, daten, ziel);
    return true;
}

std::optional<std::string> vorschautext(int bereich, int note, const Anredeformen& formen,
                                        const Zeugnisdaten& daten) {
    std::string text;
    if (!vorschautextAnhaengen(bereich, note, formen, daten, text)) {
        return std::nullopt;
    }
    return text;
}

Vorschautexte alleVorschautexte(const Zeugnisdaten& daten) {
    const Anredeformen& formen = Anredeformen::fuer(daten.geschlecht);
    Vorschautexte texte;
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        const std::string& eigener = daten.eigenerText(bereich);
        texte[bereich - 1] = leer(eigener)
                                 ? vorschautext(bereich, daten.bereich(bereich).note, formen, daten)
                                 : eigenerText(bereich, daten.art, eigener);
    }
    return texte;
}

} // namespace velmora
