#pragma once

#include "window/zeugnispruefung.h"

#include <vector>

namespace velmora {

// The hidden codes in what the user typed into the reference (the department, the tasks, the
// achievements), each a finding that leads to the tasks' tab; the program's own texts are
// not read.
std::vector<Befund> codesImGetippten(const Zeugnisdaten& daten);

} // namespace velmora
