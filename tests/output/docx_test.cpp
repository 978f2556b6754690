// The Word document read back: the archive with libzip's reader, the XML with xmllint.
#include "output/docxdokument.h"
#include "output/docxhaupttext.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

using namespace velmora;

namespace {

std::map<std::string, std::string> entpacken(const std::string& docx) {
    std::map<std::string, std::string> teile;
    zip_source_t* quelle = zip_source_buffer_create(docx.data(), docx.size(), 0, nullptr);
    zip_t* archiv = zip_open_from_source(quelle, ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
    if (!archiv) {
        zip_source_free(quelle);
        return teile;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archiv, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archiv, i, 0, &stat);
        std::string inhalt(stat.size, '\0');
        zip_file_t* datei = zip_fopen_index(archiv, i, 0);
        zip_fread(datei, inhalt.data(), stat.size);
        zip_fclose(datei);
        teile[stat.name] = inhalt;
    }
    zip_close(archiv);
    return teile;
}

// What xmllint answers for the part, and whether it read it without an error.
std::pair<std::string, bool> xmllint(const std::string& argumente, const std::string& xml) {
    const auto datei = std::filesystem::temp_directory_path() /
                       ("velmora-docx-" + std::to_string(::getpid()) + ".xml");
    std::ofstream(datei, std::ios::binary) << xml;
    FILE* prozess = ::popen((VELMORA_XMLLINT " " + argumente + " " + datei.string()).c_str(), "r");
    std::string ausgabe;
    for (int c; (c = std::fgetc(prozess)) != EOF;) {
        ausgabe += static_cast<char>(c);
    }
    const bool gelesen = ::pclose(prozess) == 0;
    std::filesystem::remove(datei);
    return {ausgabe, gelesen};
}

// The text of the part as an XML reader sees it: entities resolved, markup gone.
std::string xmlText(const std::string& xml) {
    std::string text = xmllint("--xpath 'string(/)'", xml).first;
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    return text;
}

Dokumentmodell mitBriefkopfUndListe(Zeugnisdaten daten) {
    Dokumentmodell modell = zeugnismodell(daten, test::komponierteVorschauen(daten));
    modell.briefkopf.logo = Bild{Bildformat::Jpeg, "\xff\xd8 Bild", 1440, 720};
    modell.briefkopf.zeilen = {"Zevuz GmbH", "Königsallee 1"};
    modell.absaetze.insert(modell.absaetze.begin() + 6,
                           {.laeufe = {{"Einkauf", {}, 1}}, .listenpunkt = true});
    return modell;
}

TEST(Docx, partsAreWellFormedAndReferenced) {
    const auto teile = entpacken(docxDokument(mitBriefkopfUndListe(test::alleBewertet(frau))));
    std::string namen;
    for (const auto& [name, inhalt] : teile) {
        namen += name + " ";
        if (!name.starts_with("word/media/")) {
            EXPECT_TRUE(xmllint("--noout", inhalt).second) << name;
        }
    }
    EXPECT_EQ(namen,
              "[Content_Types].xml _rels/.rels docProps/core.xml word/_rels/document.xml.rels "
              "word/document.xml word/media/logo.jpeg word/numbering.xml word/settings.xml "
              "word/styles.xml ");
    EXPECT_EQ(teile.at("word/media/logo.jpeg"), "\xff\xd8 Bild");
    for (const char* teil : {"/word/document.xml", "/word/styles.xml", "/word/numbering.xml",
                             "/word/settings.xml", "/docProps/core.xml"}) {
        EXPECT_NE(teile.at("[Content_Types].xml").find(teil), std::string::npos) << teil;
    }
    const std::string& beziehungen = teile.at("word/_rels/document.xml.rels");
    EXPECT_NE(beziehungen.find("Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/"
                               "officeDocument/2006/relationships/image\" "
                               "Target=\"media/logo.jpeg\""),
              std::string::npos);
    EXPECT_NE(teile.at("word/document.xml").find("<a:blip r:embed=\"rId4\"/>"), std::string::npos);
    EXPECT_NE(teile.at("word/numbering.xml").find("<w:numFmt w:val=\"bullet\"/>"),
              std::string::npos);
}

TEST(Docx, textReadsBackAsTyped) {
    Zeugnisdaten daten = anfangsdaten();
    daten.text(Eingabe::Vorname) = "<b>&amp;\"O'Neil\" ]]> a\x01\x7f\xc2\x85\xff";
    daten.text(Eingabe::Firma) = "A & B <GmbH>";
    const auto teile = entpacken(docxDokument(zeugnismodell(daten, {})));
    const std::string gelesen = "<b>&amp;\"O'Neil\" ]]> a\uFFFD";
    EXPECT_NE(xmlText(teile.at("word/document.xml")).find("Herr " + gelesen + " Mustermann"),
              std::string::npos);
    EXPECT_EQ(xmlText(teile.at("docProps/core.xml")),
              "Zeugnis – " + gelesen + " MustermannA & B <GmbH>");
}

TEST(Docx, paragraphAndRunPropertiesInSchemaOrder) {
    Dokumentmodell modell;
    modell.seite = {12240, 15840, 1800, 1700, 1440, 1000};
    modell.absaetze = {
        {.laeufe = {{"ZEUGNIS", {.fett = true, .halbpunkte = 28, .breite = 150}, 3}},
         .ausrichtung = Ausrichtung::Zentriert,
         .marke = {.fett = true, .halbpunkte = 28, .breite = 150}},
        {.laeufe = {{"\tEin\tkauf", {.kursiv = true}, 1}, {"", {}, 1}},
         .ausrichtung = Ausrichtung::Blocksatz,
         .listenpunkt = true},
    };
    const std::string schrift = docxSchrift();
    EXPECT_EQ(docxHaupttext(modell).substr(docxHaupttext(modell).find("<w:body>")),
              "<w:body><w:p><w:pPr><w:jc w:val=\"center\"/><w:rPr>" + schrift +
                  "<w:b/><w:bCs/><w:w w:val=\"150\"/><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/>"
                  "</w:rPr></w:pPr><w:r><w:rPr>" +
                  schrift +
                  "<w:b/><w:bCs/><w:w w:val=\"150\"/><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/>"
                  "</w:rPr><w:t xml:space=\"preserve\">ZEUGNIS</w:t></w:r></w:p>"
                  "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>"
                  "<w:jc w:val=\"both\"/><w:rPr>" +
                  schrift +
                  "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr></w:pPr><w:r><w:rPr>" +
                  schrift +
                  "<w:i/><w:iCs/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr><w:tab/>"
                  "<w:t xml:space=\"preserve\">Ein</w:t><w:tab/><w:t xml:space=\"preserve\">kauf"
                  "</w:t></w:r></w:p><w:sectPr><w:pgSz w:w=\"12240\" w:h=\"15840\"/>"
                  "<w:pgMar w:top=\"1440\" w:right=\"1700\" w:bottom=\"1000\" w:left=\"1800\" "
                  "w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/></w:sectPr></w:body>"
                  "</w:document>");
}

} // namespace
