#include "compose/bewertungsbereich.h"

namespace velmora {

namespace {

constexpr Notenknopf notenKnoepfe[] = {
    {"1", 0, 495},    {"2", 600, 495},  {"3", 1200, 495},
    {"4", 1800, 495}, {"5", 2400, 495}, {"6", 3000, 495},
};

constexpr Notenknopf kuendigungsKnoepfe[] = {
    {"Arbeitnehmer", 240, 1335},
    {"Arbeitgeber", 1560, 1215},
    {"Aufhebungsvertrag", 2760, 1815},
};

constexpr int vorschauHoehe = 1215;
constexpr int vorschauHoeheErsterReiter = 1095;

} // namespace

const Notenskala schulnoten{
    "Schulnoten von sehr gut bis ungenügend", 2520, {2520, 1800, 3855, 255}, 255, notenKnoepfe};

const Notenskala kuendigungsgruende{
    "Kündigung durch", 2400, {2160, 1680, 4695, 375}, 375, kuendigungsKnoepfe};

const std::array<Bewertungsbereich, anzahlBereiche> bewertungsbereiche = {{
    {1, "Fachwissen", "&Fachwissen", &schulnoten, 0, 0, vorschauHoeheErsterReiter},
    {2, "Weiterbildung", "&Weiterbildung", &schulnoten, 1, 1, vorschauHoehe},
    {3, "Auffassungsgabe", "&Auffassungsgabe", &schulnoten, 2, 2, vorschauHoehe},
    {4, "Denkfähigkeit", "&Denkfähigkeit", &schulnoten, 3, 3, vorschauHoehe},
    {5, "Leistungsbereitschaft", "&Leistungsbereitschaft", &schulnoten, 4, 4, vorschauHoehe},
    {6, "Belastbarkeit", "&Belastbarkeit", &schulnoten, 5, 5, vorschauHoehe},
    {7, "Arbeitsweise", "A&rbeitsweise", &schulnoten, 6, 6, vorschauHoehe},
    {8, "Arbeitsergebnis", "Arbeitser&gebnis", &schulnoten, 7, 7, vorschauHoehe},
    {9, "Führungsfähigkeit", "&Führungsfähigkeit", &schulnoten, 8, 8, vorschauHoehe},
    {10, "Leistungsbeurteilung", "&Leistungsbeurteilung", &schulnoten, 9, 12, vorschauHoehe},
    {11, "Persönliche Führung", "&Persönliche Führung", &schulnoten, 10, 9, vorschauHoehe},
    {12, "Beendigungsgrund", "B&endigungsgrund", &kuendigungsgruende, 11, 10, vorschauHoehe},
    {13, "Schlussformel", "&Schlussformel", &schulnoten, 12, 11, vorschauHoehe},
}};

} // namespace velmora
