#include "window/fensterzustand.h"

#include "window/frmzg.h"

namespace velmora {

namespace {

// The file counts 0 clear, 1 set, 2 grey; Qt puts grey in the middle.
Qt::CheckState haekchen(int zustand) {
    switch (zustand) {
    case anzeigeAn:
        return Qt::Checked;
    case anzeigeGrau:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

int anzeigezustand(Qt::CheckState haekchen) {
    switch (haekchen) {
    case Qt::Checked:
        return anzeigeAn;
    case Qt::PartiallyChecked:
        return anzeigeGrau;
    default:
        return anzeigeAus;
    }
}

} // namespace

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
    for (int leiste : {untereLeiste, obereLeiste}) {
        zustand.reiter[leiste] = fenster.reiter(leiste);
    }
    return zustand;
}

} // namespace velmora
