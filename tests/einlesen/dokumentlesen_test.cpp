// The format by content, the bound of a Word document, and the program's own documents read back
// as their text. The messages for what cannot be read are tested through the command line.
#include "einlesen/dokumentlesen.h"
#include "output/docxdokument.h"
#include "output/klartext.h"
#include "support/datentabelle.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

using namespace velmora;

namespace {

constexpr std::array formatnamen{"Text", "Zeugnisdatei", "Rtf", "Docx", "Pdf", "AltesWord"};

TEST(Dokumentlesen, ErkenntDasFormatAmInhalt) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/formate.txt")) {
        EXPECT_EQ(formatnamen[static_cast<int>(dokumentformat(zeile[0]))], zeile[1]) << zeile[0];
    }
}

TEST(Dokumentlesen, EntpacktHoechstensZwanzigMegabyte) {
    const std::string archiv =
        zipArchiv({{"word/document.xml", std::string(20 * 1024 * 1024 + 1, ' ')}});
    EXPECT_EQ(dokumentLesen(Dokumentformat::Docx, archiv).fehler,
              "Der Text des Word-Dokuments ist größer als 20 MB; so lang ist kein Arbeitszeugnis.");
}

// The RTF document and the Word document the program writes read as its clipboard text: the
// same lines, a list item's dash a bullet, runs of empty lines and the end alike.
TEST(Dokumentlesen, EigeneDokumenteLesenSichWieIhrText) {
    const auto gleichgemacht = [](std::string text) {
        text = std::regex_replace(text, std::regex("\r\n"), "\n");
        text = std::regex_replace(text, std::regex("(^|\n)– "), "$1• ");
        text.erase(text.find_last_not_of('\n') + 1);
        return std::regex_replace(text, std::regex("\n{3,}"), "\n\n");
    };
    for (const int geschlecht : {herr, frau}) {
        Zeugnisdaten daten = test::alleBewertet(geschlecht);
        daten.aufgaben = {"Einkauf", {"Angebote einholen", "Lieferanten {bewerten}"}, "Mehr €."};
        daten.text(Eingabe::Firma) = "Zevuz & Söhne <GmbH> \\par";
        const AngezeigteVorschautexte vorschau = komponierteVorschautexte(daten);
        const std::string soll = gleichgemacht(klartext(daten, vorschau));
        for (const std::string& dokument : {test::zeugnisdokument(daten, vorschau, std::nullopt),
                                            docxDokument(zeugnismodell(daten, vorschau))}) {
            const Eingelesen gelesen = dokumentLesen(dokumentformat(dokument), dokument);
            EXPECT_EQ(gelesen.fehler, "");
            EXPECT_EQ(gleichgemacht(gelesen.text), soll) << dokument.substr(0, 5);
        }
    }
}

} // namespace
