#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace velmora {

// What the analysis reads from words the user wrote: the grade they encode, nothing when none
// can be told, and each code found, with its explanation.
struct Lesart {
    std::optional<int> note;
    QStringList codes;
};

// `bereich`: the section the words were written for, 0 for words of no section (the tasks,
// the department, the achievements).
Lesart lesart(std::string_view text, int bereich);

// „Ihr Text liest sich wie Note 3 – gewählt ist 2“ (with no grade chosen only the first half),
// or „keine Note erkennbar“; each code below on a line of its own.
QString rueckmeldung(const Lesart& lesart, int gewaehlt);

} // namespace velmora
