#pragma once

#include "compose/phrasen.h"
#include "compose/zeugnisdaten.h"

#include <array>

namespace velmora {

// The sentences at the head of a reference that differ by kind: the final reference tells
// of a past employment, the interim one of an employee who stays.
struct Kopfsaetze {
    Phrase ueberschrift;
    Phrase eroeffnung;             // with date and place of birth
    Phrase eroeffnungOhneGeburt;   // the employee wants them left out
    Phrase aufgabensatz;           // before the placeholder lines, when no task is entered
    Phrase aufgabenliste;          // before the tasks entered, no department given
    Phrase aufgabenlisteImBereich; // the same, naming the department
};

inline constexpr std::array<Kopfsaetze, anzahlZeugnisarten> kopfsaetzeNachArt = {{
    {
        Phrase("ZEUGNIS"),
        Phrase("{Herr} {Vorname} {Name}, geb. am {Geburtsdatum} in {Geburtsort}, trat am "
               "{Eintrittsdatum} in unser Unternehmen ein und war bis zum {Austrittsdatum} als "
               "{Tätigkeit} beschäftigt."),
        Phrase("{Herr} {Vorname} {Name} trat am {Eintrittsdatum} in unser Unternehmen ein und war "
               "bis zum {Austrittsdatum} als {Tätigkeit} beschäftigt."),
        Phrase("Zu {seinen} Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
               "Durchführung folgender Tätigkeiten:"),
        Phrase("Zu {seinen} Aufgaben gehörten insbesondere:"),
        Phrase("Zu {seinen} Aufgaben im Bereich {bereich} gehörten insbesondere:"),
    },
    {
        Phrase("ZWISCHENZEUGNIS"),
        Phrase("{Herr} {Vorname} {Name}, geb. am {Geburtsdatum} in {Geburtsort}, ist seit dem "
               "{Eintrittsdatum} in unserem Unternehmen als {Tätigkeit} beschäftigt."),
        Phrase("{Herr} {Vorname} {Name} ist seit dem {Eintrittsdatum} in unserem Unternehmen als "
               "{Tätigkeit} beschäftigt."),
        Phrase("Zu {seinen} Aufgaben gehört im Vertrieb / Entwicklung / Produktion / EDV die "
               "Durchführung folgender Tätigkeiten:"),
        Phrase("Zu {seinen} Aufgaben gehören insbesondere:"),
        Phrase("Zu {seinen} Aufgaben im Bereich {bereich} gehören insbesondere:"),
    },
}};

constexpr const Kopfsaetze& kopfsaetze(Zeugnisart art) {
    return kopfsaetzeNachArt[artIndex(art)];
}

} // namespace velmora
