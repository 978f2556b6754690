#pragma once

#include "files/einstellungsempfaenger.h"

#include <string_view>
#include <utility>

namespace velmora {

// Restores into an Einstellungen the way the window restores into its controls: a selected
// button replaces the group's choice, a cleared one clears it only when it was the choice.
class Zustandsempfaenger : public Einstellungsempfaenger {
public:
    explicit Zustandsempfaenger(Einstellungen ausgang = {}) : zustand(std::move(ausgang)) {}

    void geschlechtWaehlen(int geschlecht) override;
    void textSetzen(int index, const std::string& text) override;
    void knopfSetzen(int bereich, int knopf, bool an) override;
    void anzeigeSetzen(int bereich, int wert) override;
    void reiterSetzen(int leiste, int index) override;

    Einstellungen zustand;
};

// The state a window in state `ausgang` is in after loading the file.
Einstellungen einstellungenUebernehmen(std::string_view datei, Einstellungen ausgang = {});

} // namespace velmora
