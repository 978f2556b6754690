// The Word document read back: the archive with libzip's reader, the XML with xmllint; the
// main part of one paragraph against a golden file.
#include "output/docxdokument.h"
#include "output/docxhaupttext.h"
#include "support/golden.h"
#include "support/testzeugnis.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
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

// The text of an XML part as xmllint reads it (entities resolved, markup gone); nothing when
// it is no well-formed XML.
std::optional<std::string> xmlText(const std::string& xml) {
    const auto datei = std::filesystem::temp_directory_path() /
                       ("velmora-docx-" + std::to_string(::getpid()) + ".xml");
    std::ofstream(datei, std::ios::binary) << xml;
    const std::string befehl = VELMORA_XMLLINT " --xpath 'string(/)' " + datei.string();
    FILE* prozess = ::popen(befehl.c_str(), "r");
    std::string text;
    for (int c; (c = std::fgetc(prozess)) != EOF;) {
        text += static_cast<char>(c);
    }
    const bool gelesen = ::pclose(prozess) == 0;
    std::filesystem::remove(datei);
    if (!gelesen) {
        return std::nullopt;
    }
    return text.substr(0, text.size() - 1); // without the line break xmllint adds
}

// Every part well-formed, listed in the content types, the logo referenced; the text reads
// back as typed, whatever XML would make of it, bad characters replaced.
TEST(Docx, TeileWohlgeformtTextWieGetippt) {
    Zeugnisdaten daten = test::alleBewertet(frau);
    daten.text(Eingabe::Vorname) = "<b>&amp;\"O'Neil\" ]]> a\x01\x7f\xc2\x85\xff";
    daten.text(Eingabe::Firma) = "A & B <GmbH>";
    Dokumentmodell modell = zeugnismodell(daten, komponierteVorschautexte(daten));
    modell.briefkopf = std::make_shared<const Briefkopf>(
        Briefkopf{Bild{Bildformat::Jpeg, "\xff\xd8 Bild", 1440, 720}, {"Zevuz GmbH"}});
    modell.absaetze.push_back({.laeufe = {{"Einkauf", {}, 1}}, .listenpunkt = true});
    const auto teile = entpacken(docxDokument(modell));
    std::string namen;
    for (const auto& [name, inhalt] : teile) {
        namen += name + " ";
        EXPECT_TRUE(name.starts_with("word/media/") || xmlText(inhalt)) << name;
    }
    EXPECT_EQ(namen,
              "[Content_Types].xml _rels/.rels docProps/core.xml word/_rels/document.xml.rels "
              "word/document.xml word/media/logo.jpeg word/numbering.xml word/settings.xml "
              "word/styles.xml ");
    EXPECT_EQ(teile.at("word/media/logo.jpeg"), "\xff\xd8 Bild");
    // Every part listed with its type; the logo among the main part's relations; bullets.
    for (const auto& [teil, golden] : {std::pair{"[Content_Types].xml", "docx_inhaltstypen.xml"},
                                       {"word/_rels/document.xml.rels", "docx_beziehungen.xml"},
                                       {"word/numbering.xml", "docx_nummerierung.xml"}}) {
        test::goldenVergleichen(VELMORA_GOLDEN "/" + std::string(golden), teile.at(teil));
    }
    EXPECT_NE(teile.at("word/document.xml").find("<a:blip r:embed=\"rId4\"/>"), std::string::npos);
    const std::string gelesen = "<b>&amp;\"O'Neil\" ]]> a\uFFFD";
    EXPECT_NE(xmlText(teile.at("word/document.xml"))->find("Frau " + gelesen + " Mustermann"),
              std::string::npos);
    EXPECT_EQ(xmlText(teile.at("docProps/core.xml")),
              "Zeugnis – " + gelesen + " MustermannA & B <GmbH>");
}

// Word refuses properties out of the schema's order: list, alignment, mark in a paragraph;
// font, bold, italic, width, size in a run. A tab is an element between texts.
TEST(Docx, EigenschaftenInDerReihenfolgeDesSchemas) {
    Dokumentmodell modell;
    modell.seite = {12240, 15840, 1800, 1700, 1440, 1000};
    const Zeichenformat breit{.fett = true, .kursiv = true, .halbpunkte = 28, .breite = 150};
    modell.absaetze = {{.laeufe = {{"\tEin\tkauf", breit, 1}, {"", {}, 1}},
                        .ausrichtung = Ausrichtung::Zentriert,
                        .listenpunkt = true}};
    test::goldenVergleichen(VELMORA_GOLDEN "/docx_absatz.xml", docxHaupttext(modell));
}

} // namespace
