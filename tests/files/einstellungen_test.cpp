#include "files/einstellungen.h"
#include "files/textzeilen.h"
#include "support/beispieldatei.h"
#include "support/zustandsempfaenger.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace velmora;

TEST(EinstellungenLesen, JedeZeileNachIhrerArt) {
    const auto nichts = std::nullopt;
    // Numbers with tabs and a sign around, in the control's range; switches True or False in
    // any case, or a 16-bit number; texts as they stand. Nothing leaves the control alone.
    const std::vector<std::tuple<int, std::string, std::optional<Einstellungswert>>> faelle = {
        {1, "\t0\t", 0},    {1, "-1", -1},       {1, "+1", 1},          {1, "-2", nichts},
        {1, "", nichts},    {1, "1 1", nichts},  {1, "1.0", nichts},    {1, "+-1", nichts},
        {87, "2", 2},       {87, "3", nichts},   {100, "12", 12},       {100, "13", nichts},
        {101, "2", 2},      {101, "3", nichts},  {24, "FALSE", false},  {24, "-1", true},
        {24, " 0 ", false}, {24, "32767", true}, {24, "32768", nichts}, {24, "Truee", nichts},
        {24, "", nichts},   {3, "True", "True"}, {5, "\t1\t", "\t1\t"}, {11, "", ""}};
    for (const auto& [zeile, inhalt, wert] : faelle) {
        EXPECT_EQ(einstellungenLesen(beispieldatei({{zeile, inhalt}}))[zeile - 1], wert)
            << "Zeile " << zeile << ": \"" << inhalt << '"';
    }
}

TEST(EinstellungenLesen, SchreibweisenDerDateiAendernNichts) {
    const std::string crlf = beispieldatei();
    const std::string utf8 = beispieldatei({{5, "München"}, {8, "Düsseldorf"}});
    const std::vector<std::pair<const char*, std::string>> dateien = {
        {"LF", beispieldatei({}, "\n")},
        {"UTF-8", utf8},
        {"UTF-8 mit BOM", "\xEF\xBB\xBF" + utf8},
        {"Windows-1252 mit BOM", "\xEF\xBB\xBF" + crlf},
        {"ohne letztes Zeilenende", crlf.substr(0, crlf.size() - 2)},
        {"Zeilen danach", crlf + "1\r\n2\r\n"}};
    for (const auto& [name, datei] : dateien) {
        EXPECT_EQ(einstellungenUebernehmen(datei), beispielzustand()) << name;
    }
}

TEST(EinstellungenLesen, ZuLangeZeileBehaeltIhrenPlatz) {
    const std::string laengste(hoechsteZeilenlaenge, 'y');
    Einstellungen erwartet = beispielzustand();
    erwartet.texte[0] = "";
    erwartet.texte[1] = laengste;
    EXPECT_EQ(einstellungenUebernehmen(
                  beispieldatei({{2, std::string(hoechsteZeilenlaenge + 1, 'x')}, {3, laengste}})),
              erwartet);
}

// Windows-1252 when the file reads back unchanged, else UTF-8; what a line cannot carry is
// changed so that it reads back as written.
TEST(EinstellungenSchreiben, TextzeileUndWasZurueckkommt) {
    std::string lang = "x"; // the limit falls inside a two-byte character
    while (lang.size() <= hoechsteZeilenlaenge) {
        lang += "ł";
    }
    const std::string gekuerzt = lang.substr(0, hoechsteZeilenlaenge - 1);
    const std::string laengste(hoechsteZeilenlaenge, 'x');
    // DF 93 alone is valid UTF-8, so "Groß“" alone would read back as "ߓ".
    const std::vector<std::array<std::string, 3>> faelle = {
        {"Maß Öl", "Ma\xDF \xD6l", "Maß Öl"},
        {"5 €", "5 \x80", "5 €"},
        {"Łukasz", "\xC5\x81ukasz", "Łukasz"},
        {"Groß“", "Gro\xC3\x9F\xE2\x80\x9C", "Groß“"},
        {"München Groß“", "M\xFCnchen Gro\xDF\x93", "München Groß“"},
        {"a\r\nb\nc\rd", "a b c d", "a b c d"},
        {"x\xC3y", "x\xEF\xBF\xBDy", "x\xEF\xBF\xBDy"},
        {laengste, laengste, laengste},
        {lang, gekuerzt, gekuerzt}};
    for (const auto& [text, zeile, zurueck] : faelle) {
        Einstellungen e;
        e.texte[4] = text;
        const std::string datei = einstellungenSchreiben(e);
        EXPECT_NE(datei.find("\r\n" + zeile + "\r\n"), std::string::npos) << text.substr(0, 20);
        EXPECT_EQ(einstellungenUebernehmen(datei).texte[4], zurueck);
    }
}
