#pragma once

#include "compose/zeugnisdaten.h"

#include <QStringList>

#include <array>

namespace velmora {

// Per section (index: section number - 1), the grade or reason chosen when the user wrote its
// own text.
using Textnoten = std::array<int, anzahlBereiche>;

// What the band says after a change that leaves the user's own words as they were although
// they were written for something else: a grade other than the one now chosen, the other
// gender or kind, or an input the words still name in its old form.
QStringList eigeneTexteHinweise(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt,
                                const Textnoten& geschriebenFuer);

} // namespace velmora
