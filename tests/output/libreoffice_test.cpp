// LibreOffice (headless, with a profile of its own) reads the RTF and the Word document of
// the same reference back as text: a real word processor sees what the program meant.
#include "output/docxdokument.h"
#include "output/dokument.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

std::vector<std::string> zeilen(const std::filesystem::path& datei) {
    std::stringstream inhalt;
    inhalt << std::ifstream(datei, std::ios::binary).rdbuf();
    std::string text = inhalt.str();
    if (text.starts_with("\xef\xbb\xbf")) {
        text.erase(0, 3);
    }
    std::vector<std::string> ergebnis;
    std::istringstream strom(text);
    for (std::string zeile; std::getline(strom, zeile);) {
        if (zeile.ends_with('\r')) {
            zeile.pop_back();
        }
        ergebnis.push_back(zeile);
    }
    return ergebnis;
}

// Every paragraph of both documents as LibreOffice reads it: the letterhead, the reference
// with a list item, names with characters that RTF and XML escape. Only the list item's
// bullet differs: a real list's label in the Word document, text before a tab in the RTF.
TEST(LibreOffice, readsTheModelsParagraphsFromRtfAndDocx) {
    Zeugnisdaten daten = test::alleBewertet(frau);
    daten.bereich(4).anzeige = anzeigeAus;
    daten.text(Eingabe::Vorname) = "Ma{r}k\\par <b>&amp;\"O'Neil\" ]]>\tŁódź";
    daten.text(Eingabe::Firma) = "Zevuz {Elektonik} \\b0 GmbH € 😀";
    Dokumentmodell modell = zeugnismodell(daten, test::komponierteVorschauen(daten));
    modell.briefkopf.logo = Bild{Bildformat::Png, {}, 1440, 720};
    modell.briefkopf.zeilen = {"Zevuz GmbH", "Königsallee 1 · 40212 Düsseldorf"};
    constexpr std::size_t liste = 6;
    modell.absaetze.insert(modell.absaetze.begin() + liste,
                           {.laeufe = {{"Einkauf", {}, 1}}, .listenpunkt = true});

    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("velmora-lo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    std::ofstream(ordner / "rtf.doc", std::ios::binary) << rtfDokument(modell, {}).rtf;
    std::ofstream(ordner / "docx.docx", std::ios::binary) << docxDokument(modell);
    const std::string befehl =
        std::string(VELMORA_SOFFICE) + " --headless --norestore -env:UserInstallation=file://" +
        (ordner / "profil").string() + " --convert-to 'txt:Text (encoded):UTF8' --outdir " +
        ordner.string() + " " + (ordner / "rtf.doc").string() + " " +
        (ordner / "docx.docx").string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    const std::vector<std::string> ausRtf = zeilen(ordner / "rtf.txt");
    const std::vector<std::string> ausDocx = zeilen(ordner / "docx.txt");
    std::filesystem::remove_all(ordner);

    std::vector<std::string> absaetze;
    for (const std::vector<Absatz>& teil : {briefkopfAbsaetze(modell.briefkopf), modell.absaetze}) {
        for (const Absatz& absatz : teil) {
            absaetze.emplace_back(absatz.listenpunkt ? "\u2022\t" : "");
            for (const Lauf& lauf : absatz.laeufe) {
                absaetze.back() += lauf.text;
            }
        }
    }
    EXPECT_EQ(ausRtf, absaetze);
    absaetze[briefkopfAbsaetze(modell.briefkopf).size() + liste] = "    \u2022 Einkauf";
    EXPECT_EQ(ausDocx, absaetze);
}

} // namespace
