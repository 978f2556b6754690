// LibreOffice (headless, with a profile of its own) reads the RTF and the Word document of
// the same reference back as text: a real word processor sees what the program meant.
#include "render/zeugnisausgabe.h"
#include "storage/firmenprofil.h"
#include "support/datentabelle.h"
#include "support/fakeplattform.h"
#include "support/testbild.h"
#include "support/testzeugnis.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// The lines of a text file LibreOffice wrote, without its byte order mark and line ends.
std::vector<std::string> zeilen(const std::filesystem::path& datei) {
    std::string text = test::dateiinhalt(datei);
    std::erase(text, '\r');
    std::istringstream strom(text.starts_with("\xef\xbb\xbf") ? text.substr(3) : text);
    std::vector<std::string> ergebnis;
    for (std::string zeile; std::getline(strom, zeile);) {
        ergebnis.push_back(zeile);
    }
    return ergebnis;
}

// Every paragraph of both documents as LibreOffice reads it: the letterhead of the company
// profile, the reference with its tasks as a list and its signatory, names with characters
// that RTF and XML escape. Only the list items' bullets differ: a real list's label in the Word
// document, text before a tab in the RTF.
TEST(LibreOffice, LiestDieAbsaetzeMitBriefkopfAusRtfUndDocx) {
    // The Word document counts its pages as this program lays them out, with fonts.
    int argc = 1;
    char name[] = "velmora_libreoffice_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication anwendung(argc, argv);
    FakePlattform plattform;
    ASSERT_TRUE(dateischicht::ersetzen(profilpfad(plattform.datenordnerPfad, "firmenlogo.png"),
                                       Dateiart::Eigen, test::testbild(40, 20, "PNG"), {}));
    ASSERT_TRUE(dateischicht::ersetzen(
        profilpfad(plattform.datenordnerPfad, firmenprofildateiname), Dateiart::Eigen,
        firmenprofilSchreiben({"Zevuz GmbH",
                               {"Zevuz GmbH", "Königsallee 1 · 40212 Düsseldorf"},
                               "firmenlogo.png",
                               "",
                               {}}),
        {}));

    Zeugnisdaten daten = test::alleBewertet(frau);
    daten.bereich(4).anzeige = anzeigeAus;
    daten.text(Eingabe::Vorname) = "Ma{r}k\\par <b>&amp;\"O'Neil\" ]]>\tŁódź";
    daten.text(Eingabe::Firma) = "Zevuz {Elektonik} \\b0 GmbH € 😀";
    daten.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten <bewerten>"}, "Sparte 9 %."};
    daten.unterzeichner = {"Dr. Eva Roth", "Prokuristin", "ppa."};
    const Zeugnisausgabe ausgabe =
        zeugnisausgabe(ausgabegrundlageLaden(plattform), daten, komponierteVorschautexte(daten));
    const Dokumentmodell& modell = ausgabe.modell;
    ASSERT_TRUE(modell.briefkopf->logo);

    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("velmora-lo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    std::ofstream(ordner / "rtf.doc", std::ios::binary) << rtfAusgabe(ausgabe).toStdString();
    std::ofstream(ordner / "docx.docx", std::ios::binary) << docxAusgabe(ausgabe).toStdString();
    const std::string befehl =
        std::string(VELMORA_SOFFICE) + " --headless --norestore -env:UserInstallation=file://" +
        (ordner / "profil").string() + " --convert-to 'txt:Text (encoded):UTF8' --outdir " +
        ordner.string() + " " + (ordner / "rtf.doc").string() + " " +
        (ordner / "docx.docx").string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    const std::vector<std::string> ausRtf = zeilen(ordner / "rtf.txt");
    const std::vector<std::string> ausDocx = zeilen(ordner / "docx.txt");
    std::filesystem::remove_all(ordner);

    std::vector<std::string> ausRtfSoll;
    std::vector<std::string> ausDocxSoll;
    for (const std::vector<Absatz>& teil : {briefkopfAbsaetze(modell), modell.absaetze}) {
        for (const Absatz& absatz : teil) {
            std::string text;
            for (const Lauf& lauf : absatz.laeufe) {
                text += lauf.text;
            }
            ausRtfSoll.push_back(absatz.listenpunkt ? "\u2022\t" + text : text);
            ausDocxSoll.push_back(absatz.listenpunkt ? "    \u2022 " + text : text);
        }
    }
    ASSERT_EQ(ausRtf, ausRtfSoll);
    EXPECT_EQ(ausDocx, ausDocxSoll);
    EXPECT_EQ(ausRtf[1], "Zevuz GmbH");
    EXPECT_EQ(ausRtf[2], "Königsallee 1 · 40212 Düsseldorf");
}

} // namespace
