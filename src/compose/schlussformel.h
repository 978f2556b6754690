#pragma once

#include "compose/anredeformen.h"
#include "compose/zeugnisdaten.h"

#include <string>
#include <vector>

namespace velmora {

class Phrase;

// The Schlussformel of a final reference opens with the sentence that the employee leaves on
// their own wish. When Beendigungsgrund goes into the reference it says why the employment
// ends: that sentence is left out, and after the employer's notice or an agreement the regret
// is for the employee's leaving, not for a decision of theirs. Grade 1 speaks of a
// Führungskraft only when Führungsfähigkeit goes into the reference.

// Appends the Schlussformel of a final reference for the grade as the other sections have it;
// false, and nothing appended, when the grade is outside 1 to 6.
bool schlussformelAnhaengen(int note, const Anredeformen& formen, const Zeugnisdaten& daten,
                            std::string& ziel);

// A piece of the Schlussformel. The further phrasings' leaving sentences are worded as any
// reference says that someone leaves at their own wish: they decide no grade of the closing.
struct Schlussformelteil {
    const Phrase* phrase;
    bool ohneNote;
};

// Every piece the Schlussformel of a final reference may be made of for a grade, in all its
// phrasings and after any reason: for readers that look for the program's own texts.
std::vector<Schlussformelteil> schlussformelteile(int note);

// Grade 6 after Beendigungsgrund has nothing left to say: the section is left out of the
// reference as if it were not shown.
bool schlussformelEntfaellt(const Zeugnisdaten& daten);

} // namespace velmora
