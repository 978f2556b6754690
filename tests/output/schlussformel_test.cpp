// The Schlussformel of a final reference over Beendigungsgrund in and out of the reference, its
// three reasons, the six grades in their three phrasings and Führungsfähigkeit in and out: its text
// against the golden file, and the outputs leave it out, as if it were not shown, exactly when it
// says nothing.
#include "output/klartext.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

TEST(Schlussformel, FolgtBeendigungsgrundUndFuehrung) {
    std::string golden;
    for (const int grundAnzeige : {anzeigeAus, anzeigeAn}) {
        for (int grund = 1; grund <= 3; ++grund) {
            for (const int fuehrung : {anzeigeAus, anzeigeAn}) {
                for (int n = 0; n < 6 * anzahlFormulierungen; ++n) {
                    const int note = n / anzahlFormulierungen + 1;
                    const int formulierung = n % anzahlFormulierungen + 1;
                    Zeugnisdaten d = anfangsdaten();
                    d.geschlecht = frau;
                    d.bereich(9) = {2, fuehrung};
                    d.bereich(12) = {grund, grundAnzeige};
                    d.bereich(13) = {note, anzeigeAn, formulierung};
                    const AngezeigteVorschautexte texte = komponierteVorschautexte(d);
                    golden += "12 " + std::to_string(grund) + (grundAnzeige ? " an" : " aus") +
                              ", 9" + (fuehrung ? " an" : " aus") + ", Note " +
                              std::to_string(note);
                    if (formulierung > 1) {
                        golden.append(1, '/').append(std::to_string(formulierung));
                    }
                    golden += " \"" + texte[12] + "\"\n";
                    Zeugnisdaten ohne = d;
                    ohne.bereich(13).anzeige = anzeigeAus;
                    EXPECT_EQ(klartext(d, texte) == klartext(ohne, texte), texte[12].empty())
                        << golden;
                }
            }
        }
    }
    test::goldenVergleichen(VELMORA_GOLDEN "/schlussformel.txt", golden);
}

} // namespace
