#pragma once

#include "compose/zeugnisdaten.h"

#include <QString>

namespace velmora {

// A grade as the section's buttons name it: "Note 2", for the reason of section 12 its button
// ("Arbeitnehmer"); "ohne Note" for none.
QString notenname(int bereich, int note, Zeugnisart art);

} // namespace velmora
