#pragma once

#include "analyse/analyse.h"

namespace velmora {

// The notices of the sentences' codes and placeholders.
void satzhinweiseAnfuegen(Analyse& analyse);

// The notices about the reference as a whole: what it leaves out, a section far below the
// others, the wrong tense.
void zeugnishinweiseAnfuegen(Analyse& analyse);

} // namespace velmora
