#include "output/zeugnisaufbau.h"

#include "compose/anredeformen.h"
#include "compose/komposition.h"
#include "compose/kopfsaetze.h"
#include "encoding/zeichensatz.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velmora {

namespace {

constexpr Zeichenformat ueberschrift{.fett = true, .halbpunkte = 28, .breite = 150};
constexpr Zeichenformat normal{};
constexpr Zeichenformat fett{.fett = true};
constexpr Zeichenformat kursiv{.kursiv = true};

// Where a piece's text comes from.
enum class Quelle : std::uint8_t {
    Fest,          // the piece's own phrase
    Kopf,          // a sentence of the head in the reference's kind
    Vorschau,      // the preview of a section as it stands
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
    Angezeigt, // the section's show flag is set
    MitErfolgen,
    MitName,
    MitFunktion,
};

// A piece of the reference with what follows it in the plain text (line breaks) and in the
// document (paragraph marks). A count of 0 runs the next present piece on in the same line or
// paragraph. The items of the tasks list are followed by one break each, the last by the
// piece's own.
struct Baustein {
    Quelle quelle;
    Bedingung bedingung;
    int zeilenumbrueche;
    int absatzmarken;
    Zeichenformat format = normal;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    std::optional<Phrase> text = std::nullopt; // Quelle::Fest
    Phrase Kopfsaetze::*kopfsatz = nullptr;    // Quelle::Kopf
    int bereich = 0;                           // Quelle::Vorschau
};

constexpr Baustein fest(Phrase text, Bedingung bedingung, int zeilen, int absaetze,
                        Zeichenformat format, Ausrichtung ausrichtung = Ausrichtung::Links) {
    return {Quelle::Fest, bedingung, zeilen, absaetze, format, ausrichtung, text};
}

constexpr Baustein kopf(Phrase Kopfsaetze::*satz, Bedingung bedingung, int zeilen, int absaetze,
                        Zeichenformat format, Ausrichtung ausrichtung = Ausrichtung::Links) {
    return {Quelle::Kopf, bedingung, zeilen, absaetze, format, ausrichtung, std::nullopt, satz};
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

constexpr Phrase platzhalter("[Tätigkeit hier einsetzen]");

using enum Bedingung;

const std::array<Baustein, 31> bausteine = {{
    kopf(&Kopfsaetze::ueberschrift, Immer, 3, 4, ueberschrift, Ausrichtung::Zentriert),
    kopf(&Kopfsaetze::eroeffnung, MitGeburtsangaben, 2, 2, normal),
    kopf(&Kopfsaetze::eroeffnungOhneGeburt, OhneGeburtsangaben, 2, 2, normal),
    fest(Phrase("Beispiel: "), OhneAufgaben, 2, 0, fett),
    kopf(&Kopfsaetze::aufgabensatz, OhneAufgaben, 2, 2, kursiv),
    kopf(&Kopfsaetze::aufgabenliste, AufgabenOhneBereich, 2, 2, normal),
    kopf(&Kopfsaetze::aufgabenlisteImBereich, AufgabenImBereich, 2, 2, normal),
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
    fest(Phrase("{Datum}, {Ort}"), Immer, 5, 5, normal),
    fest(Phrase("___________________"), Immer, 1, 1, normal),
    eingetragen(Quelle::Unterzeichner, MitName, 1, 1),
    eingetragen(Quelle::Funktion, MitFunktion, 1, 1),
    fest(Phrase("{Firma}"), Immer, 0, 0, normal, Ausrichtung::Blocksatz),
}};

// White space as Unicode counts it, the same the window's check trims.
constexpr bool leerraum(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Nothing but white space: an entry the user left blank.
bool leer(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!leerraum(naechsterCodepunkt(text, pos))) {
            return false;
        }
    }
    return true;
}

// The achievements are one paragraph: each line break typed into their box (CR LF, CR, LF,
// a line or paragraph separator) becomes one blank.
std::string einzeilig(std::string_view text) {
    constexpr std::string_view trenner[] = {"\r\n", "\r", "\n", "\u2028", "\u2029"};
    std::string zeile;
    zeile.reserve(text.size());
    while (!text.empty()) {
        const auto gefunden = std::find_if(std::begin(trenner), std::end(trenner),
                                           [&](std::string_view t) { return text.starts_with(t); });
        if (gefunden != std::end(trenner)) {
            zeile += ' ';
            text.remove_prefix(gefunden->size());
        } else {
            zeile += text.front();
            text.remove_prefix(1);
        }
    }
    return zeile;
}

bool erfuellt(const Baustein& b, const Zeugnisdaten& daten, bool mitAufgaben) {
    switch (b.bedingung) {
    case Immer:
        break;
    case MitGeburtsangaben:
        return daten.geburtsangaben;
    case OhneGeburtsangaben:
        return !daten.geburtsangaben;
    case OhneAufgaben:
        return !mitAufgaben;
    case MitAufgaben:
        return mitAufgaben;
    case AufgabenOhneBereich:
        return mitAufgaben && daten.aufgaben.bereich.empty();
    case AufgabenImBereich:
        return mitAufgaben && !daten.aufgaben.bereich.empty();
    case Angezeigt:
        return daten.bereich(b.bereich).angezeigt();
    case MitErfolgen:
        return !leer(daten.aufgaben.erfolge);
    case MitName:
        return !daten.unterzeichner.name.empty();
    case MitFunktion:
        return !daten.unterzeichner.funktion.empty();
    }
    return true;
}

// Puts the pieces into paragraphs: a piece opens a paragraph when the one before ended with a
// mark; the paragraph takes the alignment of its first piece. Empty paragraphs keep the
// piece's own format.
class Absatzfolge {
public:
    explicit Absatzfolge(std::vector<Absatz>& absaetze) : absaetze(absaetze) {}

    void anhaengen(std::string text, const Baustein& b, int zeilen, int marken,
                   bool listenpunkt = false) {
        if (!offen) {
            absaetze.push_back(
                {.ausrichtung = b.ausrichtung, .marke = b.format, .listenpunkt = listenpunkt});
        }
        Absatz& absatz = absaetze.back();
        absatz.laeufe.push_back({std::move(text), b.format, zeilen});
        absatz.marke = b.format;
        for (int i = 1; i < marken; ++i) {
            absaetze.push_back({.ausrichtung = b.ausrichtung, .marke = b.format});
        }
        offen = marken == 0;
    }
    void anhaengen(std::string text, const Baustein& b) {
        anhaengen(std::move(text), b, b.zeilenumbrueche, b.absatzmarken);
    }

private:
    std::vector<Absatz>& absaetze;
    bool offen = false;
};

// Each task entered, in order, as an item of a bulleted list; blank entries left out.
void aufgabenAnhaengen(const std::vector<std::string>& liste, const Baustein& b,
                       Absatzfolge& folge) {
    const auto letzte =
        std::find_if(liste.rbegin(), liste.rend(), [](const std::string& a) { return !leer(a); });
    for (auto aufgabe = liste.begin(); aufgabe != letzte.base(); ++aufgabe) {
        if (leer(*aufgabe)) {
            continue;
        }
        const bool zuletzt = aufgabe + 1 == letzte.base();
        folge.anhaengen(*aufgabe, b, zuletzt ? b.zeilenumbrueche : 1, zuletzt ? b.absatzmarken : 1,
                        true);
    }
}

std::string phrasentext(const Phrase& phrase, const Anredeformen& formen,
                        const Zeugnisdaten& daten) {
    std::string text;
    phraseAnhaengen(phrase, formen, daten, text);
    return text;
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
    const std::string art(arten[artIndex(daten.art)]);
    return name.empty() ? art : art + " – " + name;
}

} // namespace

Dokumentmodell zeugnismodell(const Zeugnisdaten& daten,
                             const AngezeigteVorschautexte& vorschautexte, const Seite& seite) {
    const Anredeformen& formen = Anredeformen::fuer(daten.geschlecht);
    const Kopfsaetze& saetze = kopfsaetze(daten.art);
    const Aufgaben& aufgaben = daten.aufgaben;
    const Unterzeichner& unterzeichner = daten.unterzeichner;
    const bool mitAufgaben = std::any_of(aufgaben.liste.begin(), aufgaben.liste.end(),
                                         [](const std::string& a) { return !leer(a); });
    Dokumentmodell modell{titel(daten), daten.text(Eingabe::Firma), seite, {}, {}};
    modell.absaetze.reserve(48 + aufgaben.liste.size());
    Absatzfolge folge(modell.absaetze);
    for (const Baustein& b : bausteine) {
        if (!erfuellt(b, daten, mitAufgaben)) {
            continue;
        }
        switch (b.quelle) {
        case Quelle::Fest:
            folge.anhaengen(phrasentext(*b.text, formen, daten), b);
            break;
        case Quelle::Kopf:
            folge.anhaengen(phrasentext(saetze.*b.kopfsatz, formen, daten), b);
            break;
        case Quelle::Vorschau:
            folge.anhaengen(vorschautexte[b.bereich - 1], b);
            break;
        case Quelle::Aufgaben:
            aufgabenAnhaengen(aufgaben.liste, b, folge);
            break;
        case Quelle::Erfolge:
            folge.anhaengen(einzeilig(aufgaben.erfolge), b);
            break;
        case Quelle::Unterzeichner:
            folge.anhaengen(unterzeichner.zusatz.empty()
                                ? unterzeichner.name
                                : unterzeichner.zusatz + ' ' + unterzeichner.name,
                            b);
            break;
        case Quelle::Funktion:
            folge.anhaengen(unterzeichner.funktion, b);
            break;
        }
    }
    return modell;
}

} // namespace velmora
