#include "analysedarstellung/analysebericht.h"

#include "analysedarstellung/analysetexte.h"

namespace velmora {

namespace {

constexpr Zeichenformat grundschrift{};
constexpr Zeichenformat titelschrift{true, false, 32, 100};
constexpr Zeichenformat ueberschrift{true, false, 24, 100};
constexpr Zeichenformat kleinschrift{false, true, 18, 100};

class Bericht {
public:
    explicit Bericht(Dokumentmodell& modell) : modell(modell) {}

    void absatz(std::string text, const Zeichenformat& format = grundschrift,
                bool listenpunkt = false) {
        Absatz absatz;
        absatz.laeufe.push_back({std::move(text), format});
        absatz.marke = format;
        absatz.listenpunkt = listenpunkt;
        modell.absaetze.push_back(std::move(absatz));
    }

    // A heading never ends a page: it stays with what it heads.
    void abschnitt(std::string_view titel) {
        leer();
        mitDemNaechsten();
        absatz(std::string(titel), ueberschrift);
        mitDemNaechsten();
    }

    void mitDemNaechsten() { modell.absaetze.back().mitNaechstem = true; }

    void leer() { modell.absaetze.push_back({{}, Ausrichtung::Links, grundschrift}); }

private:
    Dokumentmodell& modell;
};

std::string satzangaben(const Satzanalyse& satz, Zeugnistyp art) {
    std::string angaben = satz.note ? "Note " + noteInWorten(*satz.note) : "ohne Note";
    angaben += " · " + bereichsname(satz.bereich, art);
    if (const std::string grund = grundInWorten(satz); !grund.empty()) {
        angaben += " (" + grund + ")";
    }
    if (satz.bekannt && satz.note) {
        angaben += " · Textbaustein der Note " + std::to_string(*satz.note);
    }
    for (std::size_t i = 0; i < satz.signale.size(); ++i) {
        angaben += (i ? ", „" : " · entscheidend: „") + satz.signale[i] + "“";
    }
    return angaben;
}

} // namespace

Dokumentmodell analysebericht(const Analyse& analyse, std::string_view quelle,
                              std::string_view datum) {
    Dokumentmodell modell;
    modell.titel = berichtstitel;
    Bericht bericht(modell);
    bericht.absatz(std::string(berichtstitel), titelschrift);
    bericht.leer();
    bericht.absatz("Analysiert: " + std::string(quelle));
    bericht.absatz("Datum der Analyse: " + std::string(datum));
    bericht.absatz("Zeugnisart: " + std::string(artname(analyse.art)));
    bericht.leer();
    bericht.absatz("Gesamtnote: " + (analyse.gesamtnote
                                         ? noteInWorten(*analyse.gesamtnote) + " (" +
                                               std::string(gesamtnotengrund(analyse)) + ")"
                                         : std::string(gesamtnotengrund(analyse))),
                   ueberschrift);

    bericht.abschnitt("Bereiche");
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        bericht.absatz(bereichszeile(bereich, analyse));
    }

    bericht.abschnitt("Die Sätze");
    for (std::size_t i = 0; i < analyse.saetze.size(); ++i) {
        const Satzanalyse& satz = analyse.saetze[i];
        bericht.leer();
        bericht.absatz(std::to_string(i + 1) + ". " + satz.text);
        bericht.mitDemNaechsten(); // a sentence and what the analysis says of it
        bericht.absatz(satzangaben(satz, analyse.art), kleinschrift);
    }

    if (!analyse.hinweise.empty()) {
        bericht.abschnitt("Hinweise");
        for (const Hinweis& hinweis : analyse.hinweise) {
            bericht.absatz(hinweis.text + (hinweis.satz
                                               ? " (Satz " + std::to_string(*hinweis.satz + 1) + ")"
                                               : std::string()),
                           grundschrift, true);
        }
    }

    bericht.leer();
    bericht.absatz(std::string(berichtsschluss), kleinschrift);
    return modell;
}

} // namespace velmora
