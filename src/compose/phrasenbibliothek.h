#pragma once

#include "compose/phrasen.h"
#include "compose/zeugnisdaten.h"

#include <array>
#include <vector>

namespace velmora {

// Per section, the phrases of grades 1 to 6 (section 12: its three choices). The final
// reference's Schlussformel follows other sections and is composed in schlussformel.cpp.
using Phrasenbibliothek = std::array<std::vector<Phrase>, anzahlBereiche>;

// The final reference speaks of the past; the interim one of an employee who stays, in the
// present tense, and gives the reason it is issued instead of the reason for leaving.
extern const Phrasenbibliothek endzeugnisphrasen;
extern const Phrasenbibliothek zwischenzeugnisphrasen;

// Per section and grade, the phrasings that may stand in place of the library's text, which is
// phrasing 1; the reason for leaving has none, and the final Schlussformel keeps its own with the
// rest of it in schlussformel.cpp.
using Formulierungen =
    std::array<std::vector<std::array<Phrase, anzahlFormulierungen - 1>>, anzahlBereiche>;

extern const Formulierungen endzeugnisformulierungen;
extern const Formulierungen zwischenzeugnisformulierungen;

} // namespace velmora
