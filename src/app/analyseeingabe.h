#pragma once

#include <QString>

#include <optional>
#include <string>

namespace velmora {

class Plattform;

// The text of a reference to analyse, or why there is none (`fehler`, German).
struct Analyseeingabe {
    std::optional<std::string> text;
    QString fehler;
};

// Larger input is refused: no reference is that long.
inline constexpr qint64 groessteAnalyseeingabe = 10 * 1024 * 1024;

// The reference in the file given (plain text, a PDF, Word or RTF document, or a reference file
// `.zeugnis` as its clipboard text), or on standard input when there is none or it is "-".
Analyseeingabe analyseeingabe(Plattform& plattform, const std::optional<QString>& datei);

} // namespace velmora
