#pragma once

#include "compose/zeugnisdaten.h"
#include "output/dokumentmodell.h"

#include <array>
#include <string>

namespace velmora {

// The preview texts as the window's labels hold them; index: section number - 1.
using AngezeigteVorschautexte = std::array<std::string, anzahlBereiche>;

// What the labels show once the window has composed them from the grades: a section without
// a grade shows nothing. What the export without a window puts in its documents.
AngezeigteVorschautexte komponierteVorschautexte(const Zeugnisdaten& daten);

// The reference as a document: the head of its kind, the tasks entered (else the draft with
// its placeholders) and the achievements, the previews of the shown sections as they stand
// (never recomposed) or the text the user wrote for them, the closing block with the
// signatory; on the given page.
Dokumentmodell zeugnismodell(const Zeugnisdaten& daten,
                             const AngezeigteVorschautexte& vorschautexte, const Seite& seite = {});

} // namespace velmora
