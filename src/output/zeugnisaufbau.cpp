#include "output/zeugnisaufbau.h"

#include "compose/anredeformen.h"
#include "compose/komposition.h"
#include "compose/phrasen.h"

#include <optional>

namespace velmora {

namespace {

constexpr Zeichenformat ueberschrift{.fett = true, .halbpunkte = 28, .breite = 150};
constexpr Zeichenformat normal{};
constexpr Zeichenformat fett{.fett = true};
constexpr Zeichenformat kursiv{.kursiv = true};

// A piece of the reference: either a fixed text with slots or the preview of a section,
// with what follows it in the plain text (line breaks) and in the document (paragraph
// marks). A count of 0 runs the next present piece on in the same line or paragraph.
struct Baustein {
    std::optional<Phrase> text;
    int bereich; // 0: always present; else the section whose preview stands here when shown
    int zeilenumbrueche;
    int absatzmarken;
    Zeichenformat format;
    Ausrichtung ausrichtung;
};

constexpr Baustein fest(Phrase text, int zeilen, int absaetze, Zeichenformat format,
                        Ausrichtung ausrichtung = Ausrichtung::Links) {
    return {text, 0, zeilen, absaetze, format, ausrichtung};
}

constexpr Baustein bereich(int nummer, int zeilen, int absaetze) {
    return {std::nullopt, nummer, zeilen, absaetze, normal, Ausrichtung::Links};
}

constexpr Phrase platzhalter("[Tätigkeit hier einsetzen]");

const std::array<Baustein, 24> bausteine = {{
    fest(Phrase("ZEUGNIS"), 3, 4, ueberschrift, Ausrichtung::Zentriert),
    fest(Phrase("{Herr} {Vorname} {Name}, geb. am {Geburtsdatum} in {Geburtsort}, trat am "
                "{Eintrittsdatum} in unser Unternehmen ein und war bis zum {Austrittsdatum} "
                "als {Tätigkeit} beschäftigt."),
         2, 2, normal),
    fest(Phrase("Beispiel: "), 2, 0, fett),
    fest(Phrase("Zu {seinen} Aufgaben gehörte im Vertrieb / Entwicklung / Produktion / EDV die "
                "Durchführung folgender Tätigkeiten:"),
         2, 2, kursiv),
    fest(platzhalter, 1, 1, kursiv),
    fest(platzhalter, 1, 1, kursiv),
    fest(platzhalter, 1, 1, kursiv),
    fest(platzhalter, 2, 2, kursiv),
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
    fest(Phrase("{Datum}, {Ort}"), 5, 5, normal),
    fest(Phrase("___________________"), 1, 1, normal),
    fest(Phrase("{Firma}"), 0, 0, normal, Ausrichtung::Blocksatz),
}};

// "Zeugnis – Vorname Name", without the names when both are empty.
std::string titel(const Zeugnisdaten& daten) {
    std::string name = daten.text(Eingabe::Vorname);
    if (!name.empty() && !daten.text(Eingabe::Name).empty()) {
        name += ' ';
    }
    name += daten.text(Eingabe::Name);
    return name.empty() ? "Zeugnis" : "Zeugnis – " + name;
}

} // namespace

Dokumentmodell zeugnismodell(const Zeugnisdaten& daten,
                             const AngezeigteVorschautexte& vorschautexte, const Seite& seite) {
    const Anredeformen& formen = Anredeformen::fuer(daten.geschlecht);
    Dokumentmodell modell{titel(daten), daten.text(Eingabe::Firma), seite, {}, {}};
    std::vector<Absatz>& absaetze = modell.absaetze;
    absaetze.reserve(48);
    // A piece opens a paragraph when the one before ended with a mark; the paragraph takes
    // the alignment of its first piece. Empty paragraphs keep the piece's own format.
    bool offen = false;
    for (const Baustein& b : bausteine) {
        if (b.bereich != 0 && !daten.bereich(b.bereich).angezeigt()) {
            continue;
        }
        if (!offen) {
            absaetze.push_back({{}, b.ausrichtung, b.format});
            offen = true;
        }
        Absatz& absatz = absaetze.back();
        Lauf& lauf = absatz.laeufe.emplace_back(Lauf{{}, b.format, b.zeilenumbrueche});
        if (b.text) {
            phraseAnhaengen(*b.text, formen, daten, lauf.text);
        } else {
            lauf.text = vorschautexte[b.bereich - 1];
        }
        absatz.marke = b.format;
        for (int i = 1; i < b.absatzmarken; ++i) {
            absaetze.push_back({{}, b.ausrichtung, b.format});
        }
        offen = b.absatzmarken == 0;
    }
    return modell;
}

} // namespace velmora
