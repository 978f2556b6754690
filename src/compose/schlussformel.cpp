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

constexpr int fuehrungsfaehigkeit = 9;

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
    const Phrase& nachsatz =
        grund.imZeugnis() && grund.note != 1 ? dank.nachAusscheiden : dank.nachWunsch;
    if (!grund.imZeugnis()) {
        phraseAnhaengen(note == 1 ? abschiedSehrGut : abschied, formen, daten, ziel);
        if (!nachsatz.teile().empty()) {
            ziel += ' ';
        }
    }
    phraseAnhaengen(nachsatz, formen, daten, ziel);
    return true;
}

bool schlussformelEntfaellt(const Zeugnisdaten& daten) {
    return daten.art == Zeugnisart::Endzeugnis && daten.bereich(beendigungsgrund).imZeugnis() &&
           daten.bereich(schlussformel).note == 6;
}

} // namespace velmora
