#pragma once

#include "compose/zeugnisdaten.h"

#include <array>
#include <string_view>

namespace velmora {

// The buttons of a grade group, in index order: the school grades "1" (sehr gut) to "6"
// (ungenügend), under their heading.
inline constexpr std::array<std::string_view, 6> schulnoten = {"1", "2", "3", "4", "5", "6"};
inline constexpr std::string_view schulnotenUeberschrift = "Schulnoten von sehr gut bis ungenügend";

// The one section whose group gives a reason instead of a grade: in a final reference who
// ended the employment, in an interim one why it is issued.
inline constexpr int fuehrungsfaehigkeit = 9;
inline constexpr int beendigungsgrund = 12;
inline constexpr int schlussformel = 13;

// That section's tab, heading and buttons by kind; both kinds have three buttons, so the
// settings file keeps the same lines for them.
struct Grundgruppe {
    std::string_view reiter;
    std::string_view ueberschrift;
    std::array<std::string_view, 3> knoepfe;
};

inline constexpr std::array<Grundgruppe, anzahlZeugnisarten> grundgruppen = {{
    {"B&eendigungsgrund", "Kündigung durch", {"Arbeitnehmer", "Arbeitgeber", "Aufhebungsvertrag"}},
    {"Ausst&ellungsgrund", "Anlass", {"Wunsch", "Vorgesetztenwechsel", "Umstrukturierung"}},
}};

constexpr const Grundgruppe& grundgruppe(Zeugnisart art) {
    return grundgruppen[artIndex(art)];
}

// One rated section of the reference: its tab, its grade group, its show flag and preview.
struct Bewertungsbereich {
    int nummer;              // 1..13, the order of the tabs
    std::string_view name;   // "Fachwissen"
    std::string_view reiter; // tab caption of the final reference, "&" before the access key
    int anzeigeIndex;        // chkAnz(i)
    int vorschauIndex;       // lblVorschau(i)

    constexpr bool istBeendigungsgrund() const { return nummer == beendigungsgrund; }
    // Buttons in its grade group, the same for both kinds.
    constexpr int stufen() const {
        return static_cast<int>(istBeendigungsgrund()
                                    ? grundgruppe(Zeugnisart::Endzeugnis).knoepfe.size()
                                    : schulnoten.size());
    }
    constexpr std::string_view reiterFuer(Zeugnisart art) const {
        return istBeendigungsgrund() ? grundgruppe(art).reiter : reiter;
    }
    constexpr std::string_view knopf(int index, Zeugnisart art = Zeugnisart::Endzeugnis) const {
        return istBeendigungsgrund() ? grundgruppe(art).knoepfe[index] : schulnoten[index];
    }
    constexpr std::string_view ueberschrift(Zeugnisart art = Zeugnisart::Endzeugnis) const {
        return istBeendigungsgrund() ? grundgruppe(art).ueberschrift : schulnotenUeberschrift;
    }
};

inline constexpr std::array<Bewertungsbereich, anzahlBereiche> bewertungsbereiche = {{
    {1, "Fachwissen", "&Fachwissen", 0, 0},
    {2, "Weiterbildung", "&Weiterbildung", 1, 1},
    {3, "Auffassungsgabe", "&Auffassungsgabe", 2, 2},
    {4, "Denkfähigkeit", "&Denkfähigkeit", 3, 3},
    {5, "Leistungsbereitschaft", "&Leistungsbereitschaft", 4, 4},
    {6, "Belastbarkeit", "&Belastbarkeit", 5, 5},
    {7, "Arbeitsweise", "A&rbeitsweise", 6, 6},
    {8, "Arbeitsergebnis", "Arbeitser&gebnis", 7, 7},
    {9, "Führungsfähigkeit", "&Führungsfähigkeit", 8, 8},
    {10, "Leistungsbeurteilung", "&Leistungsbeurteilung", 9, 12},
    {11, "Persönliche Führung", "&Persönliche Führung", 10, 9},
    {beendigungsgrund, "Beendigungsgrund", grundgruppe(Zeugnisart::Endzeugnis).reiter, 11, 10},
    {schlussformel, "Schlussformel", "&Schlussformel", 12, 11},
}};

constexpr const Bewertungsbereich& bewertungsbereich(int nummer) {
    return bewertungsbereiche[nummer - 1];
}

// The tabs of the upper strip that hold the inputs and the warning, in their order; the
// settings file knows these three.
inline constexpr std::array<std::string_view, 3> angabenreiter = {
    "&Angaben zum Arbeitnehmer", "&Angaben zum Arbeitgeber", "&Wichtiger Hinweis"};
// The upper strip's second row: the tasks and the signature.
inline constexpr std::array<std::string_view, 2> zusatzreiter = {"Aufgabe&n", "Unters&chrift"};
inline constexpr int aufgabenReiter = static_cast<int>(angabenreiter.size());
inline constexpr int unterschriftReiter = aufgabenReiter + 1;

} // namespace velmora
