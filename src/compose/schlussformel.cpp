#include "compose/schlussformel.h"

#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"
#include "compose/phrasen.h"

#include <array>

namespace velmora {

namespace {

constexpr Phrase abschiedSehrGut("Auf {seinen} eigenen Wunsch scheidet {Herr} {Name} zum "
                                 "{Austrittsdatum} aus unserem Unternehmen aus.");
constexpr Phrase
    abschied("{Herr} {Name} verlässt unser Unternehmen mit dem heutigen Tage auf eigenen Wunsch.");

// What follows the leaving sentence (or Beendigungsgrund): after the employee's own wish, and
// after the employer's notice or an agreement.
struct Dank {
    Phrase nachWunsch;
    Phrase nachAusscheiden;
};

consteval Dank immer(std::string_view text) {
    return {Phrase(text), Phrase(text)};
}

constexpr Dank fuehrungskraft{
    Phrase("Wir bedauern {seine} Entscheidung außerordentlich, weil wir mit {ihm} eine wertvolle "
           "Führungskraft verlieren. Wir bedanken uns bei {ihm} für {seine} allzeit sehr gute "
           "Arbeit und wünschen {ihm} für {seine} berufliche wie persönliche Zukunft alles Gute "
           "und weiterhin viel Erfolg."),
    Phrase("Wir bedauern {sein} Ausscheiden außerordentlich, weil wir mit {ihm} eine wertvolle "
           "Führungskraft verlieren. Wir bedanken uns bei {ihm} für {seine} allzeit sehr gute "
           "Arbeit und wünschen {ihm} für {seine} berufliche wie persönliche Zukunft alles Gute "
           "und weiterhin viel Erfolg."),
};

constexpr std::string_view guteWuensche = "Wir wünschen {ihm} für die Zukunft alles Gute.";

// By grade.
constexpr std::array<Dank, 6> danksagungen = {{
    {Phrase("Wir bedauern {seine} Entscheidung außerordentlich, weil wir mit {ihm} eine{n} "
            "wertvolle{n} Mitarbeiter{in} verlieren. Wir bedanken uns bei {ihm} für {seine} "
            "allzeit sehr gute Arbeit und wünschen {ihm} für {seine} berufliche wie persönliche "
            "Zukunft alles Gute und weiterhin viel Erfolg."),
     Phrase("Wir bedauern {sein} Ausscheiden außerordentlich, weil wir mit {ihm} eine{n} "
            "wertvolle{n} Mitarbeiter{in} verlieren. Wir bedanken uns bei {ihm} für {seine} "
            "allzeit sehr gute Arbeit und wünschen {ihm} für {seine} berufliche wie persönliche "
            "Zukunft alles Gute und weiterhin viel Erfolg.")},
    {Phrase("Wir bedauern {seinen} Entschluss, danken {ihm} für {seine} Mitarbeit und wünschen "
            "{ihm} für {seine} Zukunft alles Gute und weiterhin Erfolg."),
     Phrase("Wir bedauern {sein} Ausscheiden, danken {ihm} für {seine} Mitarbeit und wünschen "
            "{ihm} für {seine} Zukunft alles Gute und weiterhin Erfolg.")},
    immer("Wir danken {ihm} für {seine} Mitarbeit und wünschen {ihm} für die Zukunft alles Gute."),
    immer(guteWuensche),
    immer(guteWuensche),
    immer(""),
}};

// Phrasings 2 and 3 by grade, each with a leaving sentence of its own. What follows regrets the
// leaving itself and names no Führungskraft, so it reads the same after any reason.
struct Abschluss {
    Phrase abschied;
    Phrase nachsatz;
};

constexpr std::array<std::array<Abschluss, anzahlFormulierungen - 1>, 6> weitereAbschluesse = {{
    {{{Phrase("{Herr} {Name} scheidet zum {Austrittsdatum} auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("Wir bedauern {sein} Ausscheiden sehr, danken {ihm} für {seine} stets hervorragenden "
              "Leistungen und wünschen {ihm} für {seine} berufliche und private Zukunft alles Gute "
              "und weiterhin viel Erfolg.")},
      {Phrase("Mit dem heutigen Tage verlässt {Herr} {Name} unser Unternehmen auf eigenen Wunsch."),
       Phrase("Wir bedauern es außerordentlich, mit {ihm} eine so geschätzte Fachkraft zu "
              "verlieren, danken {ihm} für {seine} stets ausgezeichnete Arbeit und wünschen {ihm} "
              "für {seine} Zukunft alles Gute und weiterhin viel Erfolg.")}}},
    {{{Phrase("{Herr} {Name} scheidet mit dem heutigen Tage auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("Wir danken {ihm} für {seine} stets sehr guten Leistungen und wünschen {ihm} für "
              "{seine} berufliche und private Zukunft alles Gute und weiterhin viel Erfolg.")},
      {Phrase("Zum {Austrittsdatum} verlässt {Herr} {Name} unser Unternehmen auf eigenen Wunsch."),
       Phrase("Wir bedauern {sein} Ausscheiden, danken {ihm} für die gute Zusammenarbeit und "
              "wünschen {ihm} für die Zukunft alles Gute und weiterhin Erfolg.")}}},
    {{{Phrase("{Herr} {Name} scheidet zum {Austrittsdatum} auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("Wir danken {ihm} für die gute Zusammenarbeit und wünschen {ihm} für die Zukunft "
              "alles Gute und Erfolg.")},
      {Phrase("Mit dem heutigen Tage verlässt {Herr} {Name} unser Unternehmen auf eigenen Wunsch."),
       Phrase("Für {seine} gute Mitarbeit danken wir {ihm} und wünschen {ihm} für {seinen} "
              "weiteren Berufsweg alles Gute.")}}},
    {{{Phrase("{Herr} {Name} scheidet mit dem heutigen Tage auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("Wir danken {ihm} für {seine} Mitarbeit in unserem Hause.")},
      {Phrase("Zum {Austrittsdatum} verlässt {Herr} {Name} unser Unternehmen auf eigenen Wunsch."),
       Phrase("Für {seine} Mitarbeit danken wir {ihm}.")}}},
    {{{Phrase("Zum {Austrittsdatum} scheidet {Herr} {Name} auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("Für {seinen} weiteren Lebensweg wünschen wir {ihm} alles Gute.")},
      {Phrase("{Herr} {Name} verlässt uns zum {Austrittsdatum} auf eigenen Wunsch."),
       Phrase("Wir wünschen {ihm} für {seinen} weiteren Berufsweg alles Gute.")}}},
    {{{Phrase("{Herr} {Name} scheidet zum {Austrittsdatum} auf eigenen Wunsch aus unserem "
              "Unternehmen aus."),
       Phrase("{Er} setzt {seinen} Berufsweg außerhalb unseres Unternehmens fort.")},
      {Phrase("Mit dem heutigen Tage verlässt {Herr} {Name} auf eigenen Wunsch unser Unternehmen."),
       Phrase("{Er} wird {seinen} weiteren Berufsweg anderweitig fortsetzen.")}}},
}};

constexpr Phrase nichts("");

} // namespace

bool schlussformelAnhaengen(int note, const Anredeformen& formen, const Zeugnisdaten& daten,
                            std::string& ziel) {
    if (note < 1 || note > static_cast<int>(danksagungen.size())) {
        return false;
    }
    const Bereichsangaben& grund = daten.bereich(beendigungsgrund);
    const Dank& dank = note == 1 && daten.bereich(fuehrungsfaehigkeit).imZeugnis()
                           ? fuehrungskraft
                           : danksagungen[note - 1];
    // Beendigungsgrund 1: the employee leaves on their own wish.
    const Phrase* nachsatz =
        grund.imZeugnis() && grund.note != 1 ? &dank.nachAusscheiden : &dank.nachWunsch;
    const Phrase* abschiedssatz = note == 1 ? &abschiedSehrGut : &abschied;
    if (const int formulierung = daten.bereich(schlussformel).formulierung;
        formulierung >= 2 && formulierung <= anzahlFormulierungen) {
        const Abschluss& weiterer = weitereAbschluesse[note - 1][formulierung - 2];
        abschiedssatz = &weiterer.abschied;
        // Grade 6 has nothing to say beyond the leaving sentence.
        nachsatz = grund.imZeugnis() && note == 6 ? &nichts : &weiterer.nachsatz;
    }
    if (!grund.imZeugnis()) {
        phraseAnhaengen(*abschiedssatz, formen, daten, ziel);
        if (!nachsatz->teile().empty()) {
            ziel += ' ';
        }
    }
    phraseAnhaengen(*nachsatz, formen, daten, ziel);
    return true;
}

std::vector<Schlussformelteil> schlussformelteile(int note) {
    std::vector<Schlussformelteil> teile;
    if (note < 1 || note > static_cast<int>(danksagungen.size())) {
        return teile;
    }
    teile.push_back({note == 1 ? &abschiedSehrGut : &abschied, false});
    for (const Dank* dank : {&danksagungen[note - 1], note == 1 ? &fuehrungskraft : nullptr}) {
        if (dank) {
            teile.push_back({&dank->nachWunsch, false});
            teile.push_back({&dank->nachAusscheiden, false});
        }
    }
    for (const Abschluss& weiterer : weitereAbschluesse[note - 1]) {
        teile.push_back({&weiterer.abschied, true});
        teile.push_back({&weiterer.nachsatz, false});
    }
    return teile;
}

bool schlussformelEntfaellt(const Zeugnisdaten& daten) {
    return daten.art == Zeugnisart::Endzeugnis && daten.bereich(beendigungsgrund).imZeugnis() &&
           daten.bereich(schlussformel).note == 6;
}

} // namespace velmora
