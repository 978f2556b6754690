#pragma once

#include "analyse/analyse.h"
#include "output/dokumentmodell.h"

#include <string_view>

namespace velmora {

inline constexpr std::string_view berichtstitel = "Analyse des Arbeitszeugnisses";
inline constexpr std::string_view berichtsschluss =
    "Die Analyse liest die üblichen Formulierungen deutscher Arbeitszeugnisse. Sie ist keine "
    "Rechtsberatung.";

// The analysis as a report to keep: the title, what was analysed and when, the overall grade
// with its reason, one line per section, every sentence with its grade, section and deciding
// words, the notices, and the closing sentence.
Dokumentmodell analysebericht(const Analyse& analyse, std::string_view quelle,
                              std::string_view datum);

} // namespace velmora
