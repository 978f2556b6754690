#pragma once

#include "analyse/analyse.h"

#include <string>

namespace velmora {

// The analysis as JSON for other programs (UTF-8, one line); its keys and values are an
// interface, and a change raises its version.
std::string analyseAlsJson(const Analyse& analyse);

// The analysis as a table a person reads: per sentence its grade, section and deciding words,
// then the notices and the overall grade.
std::string analyseAlsText(const Analyse& analyse);

} // namespace velmora
