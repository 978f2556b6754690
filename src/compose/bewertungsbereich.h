#pragma once

#include "compose/zeugnisdaten.h"

#include <array>
#include <string_view>

namespace velmora {

// The buttons of a grade group, in index order: the school grades "1" (sehr gut) to "6"
// (ungenügend), or who ended the employment.
inline constexpr std::array<std::string_view, 6> schulnoten = {"1", "2", "3", "4", "5", "6"};
inline constexpr std::array<std::string_view, 3> beendigungsgruende = {
    "Arbeitnehmer", "Arbeitgeber", "Aufhebungsvertrag"};

// The heading above each kind of group.
inline constexpr std::string_view schulnotenUeberschrift = "Schulnoten von sehr gut bis ungenügend";
inline constexpr std::string_view beendigungsUeberschrift = "Kündigung durch";

// The one section whose group says who ended the employment instead of giving a grade.
inline constexpr int beendigungsgrund = 12;

// One rated section of the reference: its tab, its grade group, its show flag and preview.
struct Bewertungsbereich {
    int nummer;              // 1..13, the order of the tabs
    std::string_view name;   // "Fachwissen"
    std::string_view reiter; // tab caption, "&" before the access key
    int anzeigeIndex;        // chkAnz(i)
    int vorschauIndex;       // lblVorschau(i)

    constexpr bool istBeendigungsgrund() const { return nummer == beendigungsgrund; }
    // Buttons in its grade group.
    constexpr int stufen() const {
        return static_cast<int>(istBeendigungsgrund() ? beendigungsgruende.size()
                                                      : schulnoten.size());
    }
    constexpr std::string_view knopf(int index) const {
        return istBeendigungsgrund() ? beendigungsgruende[index] : schulnoten[index];
    }
    constexpr std::string_view ueberschrift() const {
        return istBeendigungsgrund() ? beendigungsUeberschrift : schulnotenUeberschrift;
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
    {beendigungsgrund, "Beendigungsgrund", "B&endigungsgrund", 11, 10},
    {13, "Schlussformel", "&Schlussformel", 12, 11},
}};

constexpr const Bewertungsbereich& bewertungsbereich(int nummer) {
    return bewertungsbereiche[nummer - 1];
}

// The tabs of the upper strip that hold the inputs and the warning, in their order.
inline constexpr std::array<std::string_view, 3> angabenreiter = {
    "&Angaben zum Arbeitnehmer", "&Angaben zum Arbeitgeber", "&Wichtiger Hinweis"};

} // namespace velmora
