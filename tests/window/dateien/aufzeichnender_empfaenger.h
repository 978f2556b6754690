#pragma once

#include <string>
#include <vector>

#include "einstellungsempfaenger.h"

namespace velmora {

// Writes down every call, one line each, in the order the window would see them.
class AufzeichnenderEmpfaenger : public Einstellungsempfaenger {
public:
    void geschlechtWaehlen(int geschlecht) override {
        aufrufe.push_back("geschlecht " + std::to_string(geschlecht));
    }
    void textSetzen(int index, const std::string& text) override {
        aufrufe.push_back("text " + std::to_string(index) + " " + text);
    }
    void knopfSetzen(int bereich, int knopf, bool an) override {
        aufrufe.push_back("knopf " + std::to_string(bereich) + " " + std::to_string(knopf) +
                          (an ? " an" : " aus"));
    }
    void anzeigeSetzen(int bereich, int zustand) override {
        aufrufe.push_back("anzeige " + std::to_string(bereich) + " " + std::to_string(zustand));
    }
    void reiterSetzen(int leiste, int index) override {
        aufrufe.push_back("reiter " + std::to_string(leiste) + " " + std::to_string(index));
    }

    std::vector<std::string> aufrufe;
};

inline std::vector<std::string> aufrufeBeimLaden(std::string_view datei) {
    AufzeichnenderEmpfaenger empfaenger;
    einstellungenAnwenden(einstellungenLesen(datei), empfaenger);
    return empfaenger.aufrufe;
}

} // namespace velmora
