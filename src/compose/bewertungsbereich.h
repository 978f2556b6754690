#pragma once

#include "compose/zeugnisdaten.h"

#include <array>
#include <span>
#include <string_view>

namespace velmora {

// Positions in twips (1/1440 inch), relative to the control's container.
struct Rechteck {
    int links;
    int oben;
    int breite;
    int hoehe;
};

struct Notenknopf {
    std::string_view beschriftung;
    int links; // inside the grade frame
    int breite;
};

// The row of grade buttons a section tab carries, with the heading above it.
struct Notenskala {
    std::string_view ueberschrift;
    int ueberschriftLinks;
    Rechteck rahmen;
    int knopfHoehe;
    std::span<const Notenknopf> knoepfe;

    int stufen() const { return static_cast<int>(knoepfe.size()); }
};

extern const Notenskala schulnoten;         // "1" to "6"
extern const Notenskala kuendigungsgruende; // "Arbeitnehmer", "Arbeitgeber", "Aufhebungsvertrag"

// One rated section of the reference and everything its tab needs.
struct Bewertungsbereich {
    int nummer;              // 1..13, the order of the tabs
    std::string_view name;   // "Fachwissen"
    std::string_view reiter; // tab caption, "&" before the access key
    const Notenskala* skala;
    int anzeigeIndex;  // chkAnz(i)
    int vorschauIndex; // lblVorschau(i)
    int vorschauHoehe; // twips

    int stufen() const { return skala->stufen(); }
};

extern const std::array<Bewertungsbereich, anzahlBereiche> bewertungsbereiche;

inline const Bewertungsbereich& bewertungsbereich(int nummer) {
    return bewertungsbereiche[nummer - 1];
}

} // namespace velmora
