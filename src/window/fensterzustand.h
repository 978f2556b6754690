#pragma once

#include "files/einstellungsempfaenger.h"

namespace velmora {

class frmzg;

// Hands the values of a read settings file to the window's controls, through the same setters
// a user's selection goes through, so that restoring the gender and the grades composes the
// previews on the way.
class Fensterempfaenger : public Einstellungsempfaenger {
public:
    explicit Fensterempfaenger(frmzg& fenster) : fenster(fenster) {}

    void geschlechtWaehlen(int geschlecht) override;
    void textSetzen(int index, const std::string& text) override;
    void knopfSetzen(int bereich, int knopf, bool an) override;
    void anzeigeSetzen(int bereich, int zustand) override;
    void reiterSetzen(int leiste, int index) override;

private:
    frmzg& fenster;
};

// What the window's controls hold now, as the settings file keeps it.
Einstellungen fensterzustand(const frmzg& fenster);

} // namespace velmora
