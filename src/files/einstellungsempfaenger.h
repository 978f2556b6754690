#pragma once

#include "files/einstellungen.h"

#include <string>

namespace velmora {

// What the main window offers for restoring its state. Every call carries a value in range:
// sections 1..13, leiste untereLeiste or obereLeiste.
class Einstellungsempfaenger {
public:
    virtual ~Einstellungsempfaenger() = default;

    // As a selection in the gender box: composes the previews.
    virtual void geschlechtWaehlen(int geschlecht) = 0;
    // Sets the box's text only: no date normalisation, no composing.
    virtual void textSetzen(int index, const std::string& text) = 0;
    // On: selects the button as a click would (the rest of its group is cleared, the previews
    // are composed). Off: clears that one button and nothing else.
    virtual void knopfSetzen(int bereich, int knopf, bool an) = 0;
    virtual void anzeigeSetzen(int bereich, int zustand) = 0;
    virtual void reiterSetzen(int leiste, int index) = 0;
};

// Hands every value that could be read to its control, in the order of the file, so that
// the gender and the texts are in place before the grades compose the previews.
void einstellungenAnwenden(const GeleseneEinstellungen& gelesen,
                           Einstellungsempfaenger& empfaenger);

} // namespace velmora
