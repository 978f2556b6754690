#pragma once

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The reference as a document, free of any file format: what the plain text, the RTF and
// the DOCX writers (and every later output) render. Lengths are in twips (1/1440 inch).

// The font of every document; readers without Arial put their metric twin in its place.
inline constexpr std::string_view dokumentschrift = "Arial";

struct Zeichenformat {
    bool fett = false;
    bool kursiv = false;
    int halbpunkte = 20; // the size in half points
    int breite = 100;    // the character width in percent

    bool operator==(const Zeichenformat&) const = default;
};

enum class Ausrichtung { Links, Zentriert, Blocksatz };

// An item of a bulleted list in a document: the bullet hangs this far left of its text.
inline constexpr std::string_view aufzaehlungszeichen = "\u2022";
inline constexpr int listeneinzug = 360;

// Tab stops every half inch, as RTF has them without saying so.
inline constexpr int tabulatorabstand = 720;

// A stretch of text in one format. The plain text, which knows no paragraphs, follows each
// run with its own number of line breaks (CR LF).
struct Lauf {
    std::string text{}; // UTF-8 as typed; a tab stays a tab
    Zeichenformat format{};
    int zeilenumbrueche = 0;
};

enum class Bildformat { Png, Jpeg };

// A picture with its bytes as read from its file and the size it is printed at.
struct Bild {
    Bildformat format = Bildformat::Png;
    std::string daten{};
    int breite = 0;
    int hoehe = 0;
    // The bytes decoded by the layer that lays out pages, so that it decodes them once and not
    // at every layout; empty until then, and never looked into here.
    std::any entpackt{};
};

struct Absatz {
    std::vector<Lauf> laeufe{};
    Ausrichtung ausrichtung = Ausrichtung::Links;
    // The format of the paragraph mark: an empty paragraph is as high as its font.
    Zeichenformat marke{};
    bool listenpunkt = false;   // an item of a bulleted list
    const Bild* bild = nullptr; // a paragraph that shows this picture before its runs
    // Pages never part this paragraph from the next one, nor split its lines across them.
    bool mitNaechstem = false;
    bool ungeteilt = false;
};

// A4 with margins of 2.5 cm unless the base document sets its own.
struct Seite {
    int breite = 11906;
    int hoehe = 16838;
    int links = 1417;
    int rechts = 1417;
    int oben = 1417;
    int unten = 1417;

    bool operator==(const Seite&) const = default;
};

// The company's letterhead at the top of the first page; never part of the plain text.
struct Briefkopf {
    std::optional<Bild> logo{};
    std::vector<std::string> zeilen{};
    std::string firma{}; // the employer, above the lines
};

// A document of more than one page says "Seite N von M" on each, centred below the text in a
// small size of the document's font, its lines ending this far above the paper's edge.
inline constexpr std::string_view seitenwort = "Seite ";
inline constexpr std::string_view vonwort = " von ";
inline constexpr Zeichenformat seitenzahlformat{.halbpunkte = 16};
inline constexpr int fusszeilenabstand = 708;

struct Dokumentmodell {
    std::string titel{};
    std::string verfasser{};
    Seite seite{};
    // Shared by the documents of every reference: a new document never copies the logo.
    std::shared_ptr<const Briefkopf> briefkopf{};
    std::vector<Absatz> absaetze{};
};

// The letterhead as the documents set it above the reference: the logo, the employer in bold
// and larger, the address lines small, all centred, an empty paragraph after them; a first
// line that names the employer again is left out. Nothing when there is none or it is empty.
// The paragraphs point into the model's letterhead.
std::vector<Absatz> briefkopfAbsaetze(const Dokumentmodell& modell);

} // namespace velmora
