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
    Einstellungen zustand;
    zustand.geschlecht = fenster.geschlecht();
    for (int i = 0; i < anzahlEingaben; ++i) {
        zustand.texte[i] = fenster.text(i).toStdString();
    }
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        for (int knopf = 0; knopf < bewertungsbereich(bereich).stufen(); ++knopf) {
            if (fenster.knopfGewaehlt(bereich, knopf)) {
                zustand.knoepfe[bereich - 1] = knopf;
            }
        }
        zustand.anzeige[bereich - 1] = anzeigezustand(fenster.anzeige(bereich));
    }
    // A tab beyond those the file knows is kept in zustand.json; the file has the first.
    for (int leiste : {untereLeiste, obereLeiste}) {
        const int reiter = fenster.reiter(leiste);
        zustand.reiter[leiste] = reiter < reiterJeLeiste[leiste] ? reiter : 0;
    }
    return zustand;
}

} // namespace velmora
