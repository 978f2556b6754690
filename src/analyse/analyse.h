#pragma once

#include "analyse/satzbewertung.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One sentence of a reference, read backwards.
struct Satzanalyse {
    std::string text;        // as it stands, blanks collapsed, broken words joined
    int bereich = 0;         // 1..13; 0 heading, opening, tasks, place and date, signature
    std::optional<int> note; // 1..6, none for a neutral sentence and for section 12
    std::optional<std::string_view> grund;      // section 12 of a final reference: why it ends
    std::optional<std::string_view> anlass;     // section 12 of an interim reference: why issued
    std::vector<std::string> signale;           // the words that decided it, as they stand
    std::vector<std::string_view> codes;        // the hidden codes in it, by id
    std::vector<std::string_view> erklaerungen; // what the deciding rules say, in German
    bool bekannt = false;                       // a text of the program's own phrase libraries
    unsigned schlussteile = 0; // the closing's parts it holds (bits of Schlussteil)
    int zeitform = 0;          // -1 past, 1 present, 0 neither or both
};

// A notice about a sentence or the whole reference, for a layperson.
struct Hinweis {
    std::string_view
        art; // code, reihenfolge, einschraenkung, fehlt, ausreisser, zeitform, platzhalter
    std::optional<std::string_view> code;
    std::optional<int> bereich; // the section a "fehlt" notice misses
    std::string text;
    std::optional<int> satz; // index into the sentences
};

struct Analyse {
    Zeugnistyp art = Zeugnistyp::Unbekannt;
    std::optional<int> gesamtnote; // the satisfaction formula's grade
    std::vector<Satzanalyse> saetze;
    std::vector<Hinweis> hinweise;
};

struct Analyseoptionen {
    // False reads every sentence by the rules alone, as if no phrase library knew it.
    bool bekannteTexte = true;
    // >= 0: the text was written for this section; every sentence is read as part of it.
    int bereich = -1;
};

// A whole reference (any bytes: UTF-8, else Windows-1252; any line ends): its sentences, its
// kind, its overall grade and the notices about it as a whole.
Analyse zeugnisAnalysieren(std::string_view text, const Analyseoptionen& optionen = {});

// One text, such as a section's: its sentences with their own notices, nothing about what a
// whole reference would miss.
Analyse textAnalysieren(std::string_view text, const Analyseoptionen& optionen = {});

} // namespace velmora
