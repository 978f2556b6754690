#include "window/fensterzustand.h"

#include "window/anzeigezustand.h"
#include "window/frmzg.h"

namespace velmora {

void Fensterempfaenger::geschlechtWaehlen(int geschlecht) {
    fenster.geschlechtWaehlen(geschlecht);
}

void Fensterempfaenger::textSetzen(int index, const std::string& text) {
    fenster.textSetzen(index, QString::fromStdString(text));
}

void Fensterempfaenger::knopfSetzen(int bereich, int knopf, bool an) {
    fenster.knopfSetzen(bereich, knopf, an);
}

void Fensterempfaenger::anzeigeSetzen(int bereich, int zustand) {
    fenster.anzeigeSetzen(bereich, haekchen(zustand));
}

void Fensterempfaenger::reiterSetzen(int leiste, int index) {
    fenster.reiterSetzen(leiste, index);
}

Einstellungen fensterzustand(const frmzg& fenster) {
    const Zeugnisdaten daten = fenster.daten();
    Einstellungen zustand;
    zustand.geschlecht = daten.geschlecht;
    zustand.texte = daten.texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        // A grade is its button's index + 1.
        if (daten.bereiche[i].note > 0) {
            zustand.knoepfe[i] = daten.bereiche[i].note - 1;
        }
        zustand.anzeige[i] = daten.bereiche[i].anzeige;
    }
    // A tab beyond those the file knows is kept in zustand.json; the file has the first.
    for (int leiste : {untereLeiste, obereLeiste}) {
        const int reiter = fenster.reiter(leiste);
        zustand.reiter[leiste] = reiter < reiterJeLeiste[leiste] ? reiter : 0;
    }
    return zustand;
}

} // namespace velmora
