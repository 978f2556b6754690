#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// A run of text in one character format, as a word processor would read it.
struct Lauf {
    std::string text; // UTF-8
    bool fett = false;
    bool kursiv = false;
    int halbpunkte = 24;
    int breite = 100;
    int schrift = 0;
};

struct Absatz {
    std::vector<Lauf> laeufe;
    char ausrichtung = 'l'; // l, c, j, r
    // The format in effect at the paragraph mark: what an empty paragraph shows.
    Lauf marke;

    std::string text() const;
};

struct Gelesen {
    std::vector<Absatz> absaetze;             // the last one is the text after the last mark
    std::vector<std::string> schriften;       // font table: index = font number, "" if unused
    std::vector<std::string> dokumentwoerter; // control words outside every paragraph's text
    int offeneGruppen = 0;                    // 0 when every brace is closed
};

// Reads the document as a reader of RTF 1.x would: groups scope the formats, \uN takes the
// place of the \ucN fallback characters that follow it, destinations of the header are no text.
Gelesen rtfLesen(std::string_view rtf);

} // namespace velmora::test
