#include "output/zeugnisaufbau.h"

#include "compose/anredeformen.h"
#include "compose/komposition.h"
#include "compose/phrasen.h"

#include <optional>

namespace velmora {

namespace {

// A piece of the reference: either a fixed text with slots or the preview of a section.
struct Baustein {
    std::optional<Phrase> text;
    int bereich; // 0: always present; else the section whose preview stands here when shown
    int zeilenumbrueche;
    int absatzmarken;
    Zeichenformat zeichen;
    Ausrichtung ausrichtung;
};

constexpr Baustein fest(Phrase text, int zeilen, int absaetze, Zeichenformat zeichen,
                        Ausrichtung ausrichtung = Ausrichtung::Links) {
    return {text, 0, zeilen, absaetze, zeichen, ausrichtung};
}

constexpr Baustein bereich(int nummer, int zeilen, int absaetze) {
    return {std::nullopt, nummer, zeilen, absaetze, Zeichenformat::Normal, Ausrichtung::Links};
}

constexpr Phrase platzhalter("[Tätigkeit hier einsetzen]");

const std::array<Baustein, 24> bausteine = {{
    fest(Phrase("ZEUGNIS"), 3, 4, Zeichenformat::Ueberschrift, Ausrichtung::Zentriert),
    fest(Phrase("{Herr} {Vorname} {Name}, geb. am {Geburtsdatum} in {Geburtsort}, trat am "
                "{Eintrittsdatum} in unser Unternehmen ein und war bis zum {Austrittsdatum} "
                "als {Tätigkeit} beschäftigt."),
         2, 2, Zeichenformat::Normal),
    fest(Phrase("Beispiel: "), 2, 0, Zeichenformat::Fett),
    fest(Phrase("Zu {seinen} Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
                "Durchführung folgender Tätigkeiten:"),
         2, 2, Zeichenformat::Kursiv),
    fest(platzhalter, 1, 1, Zeichenformat::Kursiv),
    fest(platzhalter, 1, 1, Zeichenformat::Kursiv),
    fest(platzhalter, 1, 1, Zeichenformat::Kursiv),
    fest(platzhalter, 2, 2, Zeichenformat::Kursiv),
    bereich(1, 3, 2),
    bereich(2, 3, 2),
    bereich(3, 0, 0),
    bereich(4, 3, 2),
    bereich(5, 0, 0),
    bereich(6, 2, 2),
    bereich(7, 0, 0),
    bereich(8, 2, 2),
    bereich(9, 2, 2),
    bereich(10, 2, 2),
    bereich(11, 2, 2),
    bereich(12, 2, 2),
    bereich(13, 4, 3),
    fest(Phrase("{Datum}, {Ort}"), 5, 5, Zeichenformat::Normal),
    fest(Phrase("___________________"), 1, 1, Zeichenformat::Normal),
    fest(Phrase("{Firma}"), 0, 0, Zeichenformat::Normal, Ausrichtung::Blocksatz),
}};

} // namespace

std::vector<Zeugnisstueck> zeugnisaufbau(const Zeugnisdaten& daten,
                                         const AngezeigteVorschautexte& vorschautexte) {
    const Anredeformen& formen = Anredeformen::fuer(daten.geschlecht);
    std::vector<Zeugnisstueck> stuecke;
    stuecke.reserve(bausteine.size());
    for (const Baustein& b : bausteine) {
        if (b.bereich != 0 && !daten.bereich(b.bereich).angezeigt()) {
            continue;
        }
        Zeugnisstueck& stueck = stuecke.emplace_back(
            Zeugnisstueck{{}, b.zeilenumbrueche, b.absatzmarken, b.zeichen, b.ausrichtung});
        if (b.text) {
            phraseAnhaengen(*b.text, formen, daten, stueck.text);
        } else {
            stueck.text = vorschautexte[b.bereich - 1];
        }
    }
    return stuecke;
}

} // namespace velmora
