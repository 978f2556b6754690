#include "output/zeugnisaufbau.h"

#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"
#include "compose/eigenertext.h"
#include "compose/komposition.h"
#include "compose/kopfsaetze.h"
#include "compose/schlussformel.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

constexpr Zeichenformat ueberschrift{.fett = true, .halbpunkte = 28, .breite = 150};
constexpr Zeichenformat normal{};
constexpr Zeichenformat fett{.fett = true};
constexpr Zeichenformat kursiv{.kursiv = true};

// Where a piece's text comes from.
enum class Quelle : std::uint8_t {
    Text,          // a fixed text with slots, by the reference's kind
    Vorschau,      // the preview of a section as it stands, or the user's text for it
    Aufgaben,      // one list item per task entered
    Erfolge,       // the achievements, one paragraph
    Unterzeichner, // the signatory's name after "i. V." or "ppa."
    Funktion,      // the signatory's function
};

// When a piece is present. The draft pieces ("Beispiel: ", the tasks sentence with its
// examples, the placeholders) stand only while no task is entered.
enum class Bedingung : std::uint8_t {
    Immer,
    MitGeburtsangaben,
    OhneGeburtsangaben,
    OhneAufgaben,
    MitAufgaben,
    AufgabenOhneBereich,
    AufgabenImBereich,
    Angezeigt, // the section's show flag is set, and it has something to say
    MitErfolgen,
    MitName,
    MitFunktion,
};

// A fixed text in each kind of reference, the final one first.
using Texte = std::array<const Phrase*, anzahlZeugnisarten>;

// A piece of the reference with what follows it in the plain text (line breaks) and in the
// document (paragraph marks). A count of 0 runs the next present piece on in the same line or
// paragraph. A piece of several items (the tasks, a bulleted list) follows each item with one
// break, the last with the piece's own.
struct Baustein {
    Quelle quelle;
    Bedingung bedingung;
    int zeilenumbrueche;
    int absatzmarken;
    Zeichenformat format = normal;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    Texte texte{};   // Quelle::Text
    int bereich = 0; // Quelle::Vorschau
    // The piece's paragraphs stay on one page with the next: the heading with the opening, the
    // sentence that introduces the tasks with the first, the closing block as a whole.
    bool zusammen = false;
};

constexpr Baustein zusammen(Baustein b) {
    b.zusammen = true;
    return b;
}

// The same text in every kind.
constexpr Baustein fest(const Phrase& text, Bedingung bedingung, int zeilen, int absaetze,
                        Zeichenformat format, Ausrichtung ausrichtung = Ausrichtung::Links) {
    Baustein b{Quelle::Text, bedingung, zeilen, absaetze, format, ausrichtung};
    b.texte.fill(&text);
    return b;
}

// A sentence of the head, as each kind words it.
constexpr Baustein kopf(Phrase Kopfsaetze::*satz, Bedingung bedingung, int zeilen, int absaetze,
                        Zeichenformat format, Ausrichtung ausrichtung = Ausrichtung::Links) {
    Baustein b{Quelle::Text, bedingung, zeilen, absaetze, format, ausrichtung};
    for (const Zeugnisart art : zeugnisarten) {
        b.texte[artIndex(art)] = &(kopfsaetze(art).*satz);
    }
    return b;
}

constexpr Baustein bereich(int nummer, int zeilen, int absaetze) {
    return {.quelle = Quelle::Vorschau,
            .bedingung = Bedingung::Angezeigt,
            .zeilenumbrueche = zeilen,
            .absatzmarken = absaetze,
            .bereich = nummer};
}

constexpr Baustein eingetragen(Quelle quelle, Bedingung bedingung, int zeilen, int absaetze) {
    return {quelle, bedingung, zeilen, absaetze};
}

constexpr Phrase beispiel("Beispiel: ");
constexpr Phrase platzhalter("[Tätigkeit hier einsetzen]");
constexpr Phrase datumUndOrt("{Datum}, {Ort}");
constexpr Phrase unterschriftslinie("___________________");
constexpr Phrase arbeitgeber("{Firma}");

using enum Bedingung;

constexpr std::array<Baustein, 31> bausteine = {{
    zusammen(kopf(&Kopfsaetze::ueberschrift, Immer, 3, 4, ueberschrift, Ausrichtung::Zentriert)),
    kopf(&Kopfsaetze::eroeffnung, MitGeburtsangaben, 2, 2, normal),
    kopf(&Kopfsaetze::eroeffnungOhneGeburt, OhneGeburtsangaben, 2, 2, normal),
    fest(beispiel, OhneAufgaben, 2, 0, fett),
    kopf(&Kopfsaetze::aufgabensatz, OhneAufgaben, 2, 2, kursiv),
    zusammen(kopf(&Kopfsaetze::aufgabenliste, AufgabenOhneBereich, 2, 2, normal)),
    zusammen(kopf(&Kopfsaetze::aufgabenlisteImBereich, AufgabenImBereich, 2, 2, normal)),
    fest(platzhalter, OhneAufgaben, 1, 1, kursiv),
    fest(platzhalter, OhneAufgaben, 1, 1, kursiv),
    fest(platzhalter, OhneAufgaben, 1, 1, kursiv),
    fest(platzhalter, OhneAufgaben, 2, 2, kursiv),
    eingetragen(Quelle::Aufgaben, MitAufgaben, 2, 2),
    eingetragen(Quelle::Erfolge, MitErfolgen, 2, 2),
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
    zusammen(fest(datumUndOrt, Immer, 5, 5, normal)),
    zusammen(fest(unterschriftslinie, Immer, 1, 1, normal)),
    zusammen(eingetragen(Quelle::Unterzeichner, MitName, 1, 1)),
    zusammen(eingetragen(Quelle::Funktion, MitFunktion, 1, 1)),
    zusammen(fest(arbeitgeber, Immer, 0, 0, normal, Ausrichtung::Blocksatz)),
}};

// The conditions that hold for a reference, a bit each; whether a section is shown is asked
// piece by piece.
std::uint32_t geltendeBedingungen(const Zeugnisdaten& daten) {
    const auto bit = [](Bedingung b, bool gilt) {
        return gilt ? std::uint32_t{1} << static_cast<int>(b) : 0;
    };
    const bool mitAufgaben = daten.aufgaben.eingetragen();
    const bool imBereich = !daten.aufgaben.bereich.empty();
    return bit(Immer, true) | bit(MitGeburtsangaben, daten.geburtsangaben) |
           bit(OhneGeburtsangaben, !daten.geburtsangaben) | bit(OhneAufgaben, !mitAufgaben) |
           bit(MitAufgaben, mitAufgaben) | bit(AufgabenOhneBereich, mitAufgaben && !imBereich) |
           bit(AufgabenImBereich, mitAufgaben && imBereich) |
           bit(MitErfolgen, !leer(daten.aufgaben.erfolge)) |
           bit(MitName, !daten.unterzeichner.name.empty()) |
           bit(MitFunktion, !daten.unterzeichner.funktion.empty());
}

// A shown section stands with its breaks even without a grade; a Schlussformel with nothing
// left to say is left out.
bool steht(const Zeugnisdaten& daten, int bereich) {
    return daten.bereich(bereich).angezeigt() &&
           !(bereich == schlussformel && schlussformelEntfaellt(daten));
}

// Puts the pieces into paragraphs: a piece opens a paragraph when the one before ended with a
// mark; the paragraph takes the alignment of its first piece. Empty paragraphs keep the
// piece's own format.
class Absatzfolge {
public:
    explicit Absatzfolge(std::vector<Absatz>& absaetze) : absaetze(absaetze) {}

    // The piece's run, followed by `zeilen` line breaks, for its text to be written into.
    std::string& lauf(const Baustein& b, int zeilen, bool listenpunkt) {
        if (!offen) {
            absaetze.push_back({.ausrichtung = b.ausrichtung,
                                .marke = b.format,
                                .listenpunkt = listenpunkt,
                                .mitNaechstem = b.zusammen,
                                .ungeteilt = b.zusammen});
            // Room for a piece that runs on: "Beispiel: " and its sentence, sections 3 to 8.
            absaetze.back().laeufe.reserve(2);
        }
        Absatz& absatz = absaetze.back();
        absatz.marke = b.format;
        return absatz.laeufe.emplace_back(Lauf{{}, b.format, zeilen}).text;
    }
    // The paragraph marks after the piece.
    void marken(const Baustein& b, int marken) {
        for (int i = 1; i < marken; ++i) {
            absaetze.push_back({.ausrichtung = b.ausrichtung,
                                .marke = b.format,
                                .mitNaechstem = b.zusammen,
                                .ungeteilt = b.zusammen});
        }
        offen = marken == 0;
    }

private:
    std::vector<Absatz>& absaetze;
    bool offen = false;
};

// The closing block takes the last paragraph with text before it (and the empty ones between)
// onto its page; that paragraph may still break, leaving at least two lines to go along.
void schlussblockAnbinden(std::vector<Absatz>& absaetze) {
    auto absatz = absaetze.rbegin();
    while (absatz != absaetze.rend() && absatz->mitNaechstem) {
        ++absatz;
    }
    for (; absatz != absaetze.rend(); ++absatz) {
        absatz->mitNaechstem = true;
        if (std::ranges::any_of(absatz->laeufe, [](const Lauf& l) { return !l.text.empty(); })) {
            break;
        }
    }
}

// What the pieces' texts are made from.
struct Quellen {
    const Zeugnisdaten& daten;
    const Anredeformen& formen;
    const AngezeigteVorschautexte& vorschautexte;
    std::vector<const std::string*> aufgaben; // the tasks entered, blank entries left out
};

// The text of a piece, or of its item `nummer` (the tasks).
void textAnhaengen(const Baustein& b, const Quellen& q, std::size_t nummer, std::string& text) {
    const Unterzeichner& unterzeichner = q.daten.unterzeichner;
    switch (b.quelle) {
    case Quelle::Text:
        phraseAnhaengen(*b.texte[artIndex(q.daten.art)], q.formen, q.daten, text);
        break;
    case Quelle::Vorschau:
        // The user's own words stand in every document whatever the preview shows.
        if (const std::string& eigener = q.daten.eigenerText(b.bereich); !leer(eigener)) {
            text = eigenerText(b.bereich, q.daten.art, eigener);
        } else {
            text = q.vorschautexte[b.bereich - 1];
        }
        break;
    case Quelle::Aufgaben:
        text = *q.aufgaben[nummer];
        break;
    case Quelle::Erfolge:
        text = einzeilig(q.daten.aufgaben.erfolge);
        break;
    case Quelle::Unterzeichner:
        if (!unterzeichner.zusatz.empty()) {
            text = unterzeichner.zusatz + ' ';
        }
        text += unterzeichner.name;
        break;
    case Quelle::Funktion:
        text = unterzeichner.funktion;
        break;
    }
}

// "Zeugnis – Vorname Name" ("Zwischenzeugnis – …"), without the names when both are empty.
std::string titel(const Zeugnisdaten& daten) {
    constexpr std::array<std::string_view, anzahlZeugnisarten> arten = {"Zeugnis",
                                                                        "Zwischenzeugnis"};
    std::string name = daten.text(Eingabe::Vorname);
    if (!name.empty() && !daten.text(Eingabe::Name).empty()) {
        name += ' ';
    }
    name += daten.text(Eingabe::Name);
    std::string titel(arten[artIndex(daten.art)]);
    if (!name.empty()) {
        titel.reserve(titel.size() + 5 + name.size());
        titel += " – ";
        titel += name;
    }
    return titel;
}

} // namespace

AngezeigteVorschautexte komponierteVorschautexte(const Zeugnisdaten& daten) {
    const Vorschautexte komponiert = alleVorschautexte(daten);
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = komponiert[i].value_or(std::string());
    }
    return texte;
}

Dokumentmodell zeugnismodell(const Zeugnisdaten& daten,
                             const AngezeigteVorschautexte& vorschautexte, const Seite& seite) {
    Quellen quellen{daten, Anredeformen::fuer(daten.geschlecht), vorschautexte, {}};
    for (const std::string& aufgabe : daten.aufgaben.liste) {
        if (!leer(aufgabe)) {
            quellen.aufgaben.push_back(&aufgabe);
        }
    }
    const std::uint32_t gelten = geltendeBedingungen(daten);
    Dokumentmodell modell{titel(daten), daten.text(Eingabe::Firma), seite, {}, {}};
    modell.absaetze.reserve(48 + quellen.aufgaben.size());
    Absatzfolge folge(modell.absaetze);
    for (const Baustein& b : bausteine) {
        if (b.bedingung == Angezeigt ? !steht(daten, b.bereich)
                                     : !(gelten >> static_cast<int>(b.bedingung) & 1)) {
            continue;
        }
        const bool liste = b.quelle == Quelle::Aufgaben;
        const std::size_t anzahl = liste ? quellen.aufgaben.size() : 1;
        for (std::size_t i = 0; i < anzahl; ++i) {
            const bool letztes = i + 1 == anzahl;
            textAnhaengen(b, quellen, i, folge.lauf(b, letztes ? b.zeilenumbrueche : 1, liste));
            folge.marken(b, letztes ? b.absatzmarken : 1);
        }
    }
    schlussblockAnbinden(modell.absaetze);
    return modell;
}

} // namespace velmora
