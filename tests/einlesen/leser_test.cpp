// Each reader on the shapes its format gives text: a table of documents and the text read.
#include "einlesen/docxleser.h"
#include "einlesen/pdfleser.h"
#include "einlesen/rtfleser.h"
#include "einlesen/testpdf.h"
#include "output/docxdokument.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;

namespace {

std::vector<std::string> geteilt(const std::string& text, std::string_view trenner) {
    std::vector<std::string> teile;
    for (std::size_t von = 0, bis = 0; bis != std::string::npos; von = bis + trenner.size()) {
        bis = text.find(trenner, von);
        teile.push_back(text.substr(von, bis - von));
    }
    return teile;
}

void erwarteText(const Eingelesen& gelesen, const std::string& soll, const std::string& quelle) {
    EXPECT_EQ(gelesen.fehler, "") << quelle;
    EXPECT_EQ(gelesen.text, soll) << quelle;
}

TEST(Leser, RtfGibtDenHaupttext) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/rtftexte.txt", true)) {
        erwarteText(rtfLesen(zeile[0]), test::entschluesselt(zeile[1]), zeile[0]);
    }
}

// Each body sits in a document of its own, beside a page header that is not read.
TEST(Leser, DocxGibtDenHaupttext) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/docxtexte.txt")) {
        const std::string w = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/"
                              "2006/main\" xmlns:mc=\"http://schemas.openxmlformats.org/"
                              "markup-compatibility/2006\"";
        const std::string archiv = zipArchiv(
            {{"word/header1.xml", "<w:hdr " + w + "><w:p><w:r><w:t>Kopf</w:t></w:r></w:p></w:hdr>"},
             {"word/document.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document " + w +
                  "><w:body>" + zeile[0] + "</w:body></w:document>"}});
        erwarteText(docxLesen(archiv), zeile[1], zeile[0]);
    }
}

TEST(Leser, PdfGibtDenTextOhneKopfUndFuss) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/pdfseiten.txt")) {
        std::vector<std::vector<test::Testzeile>> seiten;
        for (const std::string& seite : geteilt(zeile[0], " // ")) {
            seiten.emplace_back();
            for (const std::string& z : geteilt(seite, "; ")) {
                const std::size_t doppelpunkt = z.find(':');
                seiten.back().push_back(
                    {std::stod(z.substr(0, doppelpunkt)), z.substr(doppelpunkt + 1)});
            }
        }
        erwarteText(pdfLesen(test::testpdf(seiten)), zeile[1], zeile[0]);
    }
}

} // namespace
