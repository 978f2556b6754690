#pragma once

#include "output/basisdokument.h"

namespace velmora {

class Plattform;

// The base document temp.doc every document of a reference is set on, taken apart: beside the
// program, else in the installed program's data folder. When there is none, it cannot be read
// or it is no RTF document, the built-in page setup stands in, with a note on standard error.
Basisdokument basisvorlageLaden(Plattform& plattform);

} // namespace velmora
