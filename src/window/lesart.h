#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

// What the analysis reads from words the user wrote: the grade they encode, nothing when none
// can be told, and each code found, with its explanation.
struct Lesart {
    std::optional<int> note;
    QStringList codes;
};

// `bereich`: the section the words were written for, 0 for words of no section (the tasks,
// the department, the achievements), which read as a grade only by words of praise or blame.
Lesart lesart(std::string_view text, int bereich);

// Words typed on the tasks page: a task or a department is a fragment of the program's
// sentences, read as a sentence of its own however short.
Lesart getipptLesart(std::string_view text);

// The tasks as the user types them, one a line, read together: each line is read once and
// keeps its reading for as long as it stands, so a key costs the reading of one line.
class Zeilenlesart {
public:
    Lesart lesen(const QStringList& zeilen);

    // Each sentence's grade and each code of one line.
    struct Zeile {
        std::vector<int> noten;
        QStringList codes;
    };

private:
    QHash<QString, Zeile> gelesen;
};

// „Ihr Text liest sich wie Note 3 – gewählt ist 2“ (with no grade chosen only the first half),
// or „keine Note erkennbar“; each code below on a line of its own.
QString rueckmeldung(const Lesart& lesart, int gewaehlt);

} // namespace velmora
