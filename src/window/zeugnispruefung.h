#pragma once

#include "compose/bewertungsbereich.h"
#include "compose/zeugnisdaten.h"
#include "files/einstellungszeilen.h"

#include <QDate>
#include <QString>

#include <vector>

namespace velmora {

// Where a finding leads the user: a tab of the lower strip (the sections) or the upper one.
struct Reiterziel {
    int leiste;
    int reiter;

    bool operator==(const Reiterziel&) const = default;
};

// The gender box, where a finding names the box that takes the focus; the input boxes are
// named by their Eingabe.
inline constexpr int geschlechtsbox = anzahlEingaben;
inline constexpr int keineBox = -1;

// One thing to look at before a reference goes out, with the section it concerns.
struct Befund {
    QString bereich; // "Schlussformel", "Angaben zum Arbeitgeber", …
    QString text;
    Reiterziel ziel;
    int box = keineBox; // txtang(i), geschlechtsbox or keineBox
};

// Checks a reference before it becomes a PDF, a Word document or a print: contradictions
// between sections, shown sections without a grade, placeholders still in the text, dates in
// the wrong order (read by the window's date rules; text that is no date is not judged),
// ratings that do not fit together, own words that read as another grade than the one
// chosen, what a signer would miss (the gender, names, job, dates) and hidden codes in what the
// user typed. Empty when nothing was found.
std::vector<Befund> zeugnisPruefen(const Zeugnisdaten& daten, QDate heute);

} // namespace velmora
