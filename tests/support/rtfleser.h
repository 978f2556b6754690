#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

struct Absatz {
    std::string text;       // UTF-8
    char ausrichtung = 'l'; // l, c, j, r
    // Per run of text (or, for an empty paragraph, its mark) the format as "b", "i", the size
    // in half points, "/" and the width: "b28/150", "i20/100", "20/100"; runs joined by blanks.
    std::string format;
};

struct Gelesen {
    std::vector<Absatz> absaetze; // the last one is the text after the last mark
    int offeneGruppen = 0;        // 0 when every brace is closed
    int schrift = -1;             // the font of the first run
};

// Reads the document as a reader of RTF 1.x would: groups scope the formats, \uN stands for
// itself and its \uc1 fallback is skipped, header destinations hold no text.
Gelesen rtfLesen(std::string_view rtf);

} // namespace velmora::test
