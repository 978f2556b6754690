#pragma once

#include "bausteine/textbaustein.h"

#include <string_view>

namespace velmora {

// The blocks after two clerks changed the same shared list apart, block by block through
// their ids: `basis` is the list both started from, `eigene` this clerk's list now, `fremde`
// what the others left in the shared list since. Nothing anyone wrote is lost: a block changed
// on one side takes that change, one deleted on one side and edited on the other stays, and
// one changed on both sides in different ways is kept twice, this clerk's version under an id
// of its own and a name that says whose it is („… (Fassung von <benutzer>)“). Blocks new on
// either side are kept; the others' order comes first.
Textbausteine zusammenfuehren(const Textbausteine& basis, const Textbausteine& eigene,
                              const Textbausteine& fremde, std::string_view benutzer);

} // namespace velmora
