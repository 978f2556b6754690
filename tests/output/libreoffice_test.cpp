// Opens the written document in LibreOffice (headless, with a profile of its own) and reads
// back its text, so that a real word processor is shown to see what the program meant.
#include "compose/komposition.h"
#include "output/dokument.h"
#include "output/klartext.h"
#include "support/rtfleser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> ergebnis;
    std::istringstream strom(text);
    for (std::string zeile; std::getline(strom, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
        }
        ergebnis.push_back(zeile);
    }
    return ergebnis;
}

TEST(LibreOffice, readsEveryParagraphAsWritten) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = frau;
    daten.text(Eingabe::Vorname) = "Ma{r}k\\par Łódź";
    daten.text(Eingabe::Firma) = "Zevuz {Elektonik} \\b0 GmbH € 😀";
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        daten.bereich(bereich).note = 2;
        daten.bereich(bereich).anzeige = bereich != 4 ? anzeigeAn : anzeigeAus;
    }
    const Vorschautexte komponiert = alleVorschautexte(daten);
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = komponiert[i].value_or("");
    }
    const std::string rtf = zeugnisdokument(daten, texte, std::nullopt).rtf;

    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("velmora-lo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::filesystem::path doc = ordner / "Zeugnis.doc";
    std::ofstream(doc, std::ios::binary) << rtf;
    const std::string befehl =
        std::string(VELMORA_SOFFICE) + " --headless --norestore -env:UserInstallation=file://" +
        (ordner / "profil").string() + " --convert-to 'txt:Text (encoded):UTF8' --outdir " +
        ordner.string() + " " + doc.string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    std::stringstream datei;
    datei << std::ifstream(ordner / "Zeugnis.txt", std::ios::binary).rdbuf();
    std::string gelesen = datei.str();
    std::filesystem::remove_all(ordner);
    if (gelesen.rfind("\xef\xbb\xbf", 0) == 0) {
        gelesen.erase(0, 3);
    }

    const std::vector<std::string> vonLibreOffice = zeilen(gelesen);
    EXPECT_EQ(vonLibreOffice.size(), test::rtfLesen(rtf).absaetze.size()) << gelesen;
    EXPECT_EQ(vonLibreOffice.front(), "ZEUGNIS");
    // The same reference as plain text has the same lines of text; only "Beispiel: " stands
    // on a line of its own there.
    std::vector<std::string> klartextZeilen;
    for (const std::string& zeile : zeilen(klartext(daten, texte))) {
        if (zeile.empty()) {
            continue;
        }
        if (!klartextZeilen.empty() && klartextZeilen.back() == "Beispiel: ") {
            klartextZeilen.back() += zeile;
        } else {
            klartextZeilen.push_back(zeile);
        }
    }
    std::vector<std::string> beschrieben;
    std::copy_if(vonLibreOffice.begin(), vonLibreOffice.end(), std::back_inserter(beschrieben),
                 [](const std::string& zeile) { return !zeile.empty(); });
    EXPECT_EQ(beschrieben, klartextZeilen);
}

} // namespace
