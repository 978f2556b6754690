#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr int anzahlEingaben = 10;
inline constexpr int anzahlBereiche = 13;

// The ten input texts, in the order of the boxes txtang(0) to txtang(9).
enum class Eingabe {
    Vorname,
    Name,
    Geburtsdatum,
    Geburtsort,
    Taetigkeit,
    Firma,
    Ort,
    Eintrittsdatum,
    Austrittsdatum,
    Datum,
};

// Slot names as the phrase texts write them, in the order of Eingabe.
inline constexpr std::array<std::string_view, anzahlEingaben> eingabeSlots = {
    "Vorname", "Name", "Geburtsdatum",   "Geburtsort",     "Tätigkeit",
    "Firma",   "Ort",  "Eintrittsdatum", "Austrittsdatum", "Datum",
};

// The slot of the department that the tasks sentence names (Aufgaben::bereich).
inline constexpr std::string_view aufgabenbereichSlot = "bereich";

// What the window shows for one input: the label beside its box, the text the box starts
// with, and whether leaving the box normalises a date.
struct Eingabefeld {
    Eingabe eingabe;
    std::string_view beschriftung;
    std::string_view anfangstext;
    bool datum;
};

extern const std::array<Eingabefeld, anzahlEingaben> eingabefelder;

// Gender selection as the combo box holds it: -1 nothing chosen, 0 "Herr", 1 "Frau".
inline constexpr int keinGeschlecht = -1;
inline constexpr int herr = 0;
inline constexpr int frau = 1;

// A section's show flag as its check box holds it; grey (from an old settings file) is kept
// and counts as not shown.
inline constexpr int anzeigeAus = 0;
inline constexpr int anzeigeAn = 1;
inline constexpr int anzeigeGrau = 2;

// A grade can be said in three ways; the first is the library's text.
inline constexpr int anzahlFormulierungen = 3;

struct Bereichsangaben {
    int note = 0; // 0: no grade; 1..6 (section 12: 1..3)
    int anzeige = anzeigeAus;
    int formulierung = 1; // 1..anzahlFormulierungen

    bool angezeigt() const { return anzeige == anzeigeAn; }
    // Goes into the reference: shown, with a grade or reason chosen.
    bool imZeugnis() const { return angezeigt() && note > 0; }
    bool operator==(const Bereichsangaben&) const = default;
};

// The final reference, or an interim one for an employee who stays.
enum class Zeugnisart { Endzeugnis, Zwischenzeugnis };
inline constexpr std::array<Zeugnisart, 2> zeugnisarten = {Zeugnisart::Endzeugnis,
                                                           Zeugnisart::Zwischenzeugnis};
inline constexpr int anzahlZeugnisarten = static_cast<int>(zeugnisarten.size());

// Tables that differ by kind hold the final reference first.
constexpr std::size_t artIndex(Zeugnisart art) {
    return static_cast<std::size_t>(art);
}

// Nothing but white space, as Unicode counts it: an entry the user left blank.
bool leer(std::string_view text);
// The text without the white space at its start and end.
std::string_view beschnitten(std::string_view text);
// The text on one line: each line break typed (CR LF, CR, LF, a line or paragraph separator)
// becomes one blank.
std::string einzeilig(std::string_view text);

// What the employee did: the department named in the tasks sentence, the tasks one per
// entry, and a paragraph of achievements. All empty: the reference keeps its placeholders.
struct Aufgaben {
    std::string bereich;
    std::vector<std::string> liste;
    std::string erfolge;

    bool operator==(const Aufgaben&) const = default;
    // A task that is not blank: the reference lists the tasks instead of the draft's examples
    // and placeholders.
    bool eingetragen() const;
};

// Who signs: the name typed below the signature line, the function, and "", "i. V." or
// "ppa." before the name.
struct Unterzeichner {
    std::string name;
    std::string funktion;
    std::string zusatz;

    bool operator==(const Unterzeichner&) const = default;
};

// What may stand before the signatory's name.
inline constexpr std::array<std::string_view, 3> vollmachten = {"", "i. V.", "ppa."};

// The inputs of one reference as the window holds them at one moment.
struct Zeugnisdaten {
    std::array<std::string, anzahlEingaben> texte;
    int geschlecht = keinGeschlecht;
    std::array<Bereichsangaben, anzahlBereiche> bereiche; // index: section number - 1
    Zeugnisart art = Zeugnisart::Endzeugnis;
    // False leaves the date and place of birth out of the opening sentence.
    bool geburtsangaben = true;
    Aufgaben aufgaben;
    Unterzeichner unterzeichner;
    // The sections' texts as the user wrote them (index: section number - 1); blank: the
    // library's text for the grade.
    std::array<std::string, anzahlBereiche> eigeneTexte;
    // The id of the user's text block the own words were taken from; empty when none. The
    // words stand in eigeneTexte all the same, so a renamed or deleted block changes nothing.
    std::array<std::string, anzahlBereiche> bausteinIds;

    bool operator==(const Zeugnisdaten&) const = default;

    const std::string& text(Eingabe e) const { return texte[static_cast<int>(e)]; }
    std::string& text(Eingabe e) { return texte[static_cast<int>(e)]; }
    Bereichsangaben& bereich(int nummer) { return bereiche[nummer - 1]; }
    const Bereichsangaben& bereich(int nummer) const { return bereiche[nummer - 1]; }
    std::string& eigenerText(int nummer) { return eigeneTexte[nummer - 1]; }
    const std::string& eigenerText(int nummer) const { return eigeneTexte[nummer - 1]; }
};

// A reference with the texts the window starts with, nothing graded, nothing shown.
Zeugnisdaten anfangsdaten();

} // namespace velmora
