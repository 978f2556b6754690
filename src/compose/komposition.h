#pragma once

#include "compose/anredeformen.h"
#include "compose/zeugnisdaten.h"

#include <array>
#include <optional>
#include <string>

namespace velmora {

class Phrase;

// Appends a phrase with its slots filled from the inputs and the gender forms.
void phraseAnhaengen(const Phrase& phrase, const Anredeformen& formen, const Zeugnisdaten& daten,
                     std::string& ziel);

// Appends the preview text of a section for a grade to `ziel`, from the library of the
// reference's kind, in the phrasing the section has chosen. Answers false and appends nothing when
// the grade has no phrase (0, or outside the section's scale).
bool vorschautextAnhaengen(int bereich, int note, const Anredeformen& formen,
                           const Zeugnisdaten& daten, std::string& ziel);

// The preview text of one section, or nothing when the grade has no phrase.
std::optional<std::string> vorschautext(int bereich, int note, const Anredeformen& formen,
                                        const Zeugnisdaten& daten);

// Index: section number - 1. Nothing means: keep what the preview label shows.
using Vorschautexte = std::array<std::optional<std::string>, anzahlBereiche>;

// Composes all thirteen sections from the inputs, with the gender forms of the selection; a
// section the user wrote has the user's text.
Vorschautexte alleVorschautexte(const Zeugnisdaten& daten);

} // namespace velmora
