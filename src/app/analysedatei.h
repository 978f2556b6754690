#pragma once

#include "analysefenster/analyseleser.h"

namespace velmora {

class Plattform;

// How the windows read a file for the analysis: as the command line's analysis reads it.
Analyseleser analyseleser(Plattform& plattform);

} // namespace velmora
