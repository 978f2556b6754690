#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace velmora {

// The text of a reference in a file, whatever its format, or why there is none (German).
struct Analysetext {
    std::optional<std::string> text;
    QString fehler;
};

// Reads a file for the analysis; the program hands it to the windows that analyse files.
using Analyseleser = std::function<Analysetext(const QString& pfad)>;

} // namespace velmora
