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
        {1, "\t0\t", 0},
        {1, "-1", -1},
        {1, "+1", 1},
        {1, "-2", nichts},
        {1, "", nichts},
        {1, "1 1", nichts},
        {1, "1.0", nichts},
        {1, "+-1", nichts},
        {87, "2", 2},
        {87, "3", nichts},
        {100, "12", 12},
        {100, "13", nichts},
        {101, "2", 2},
        {101, "3", nichts},
        {24, "FALSE", false},
        {24, "-1", true},
        {24, " 0 ", false},
        {24, "32767", true},
        {24, "32768", nichts},
        {24, "Truee", nichts},
        {24, "", nichts},
        {3, "True", "True"},
        {5, "\t1\t", "\t1\t"},
        {11, "", ""},
        // Control characters but the tab are dropped, in either code page: NUL, ESC, DEL,
        // the C1 control NEL in UTF-8 and the undefined Windows-1252 byte 0x81.
        {2, std::string("H\0a\x1Bns\x7F", 7), "Hans"},
        {2, "\xC2\x85Jo\xCC\x88rg", "Jo\xCC\x88rg"},
        {2, "\x81J\xFCrg\x80", "Jürg€"}};
    for (const auto& [zeile, inhalt, wert] : faelle) {
        EXPECT_EQ(einstellungenLesen(beispieldatei({{zeile, inhalt}}))[zeile - 1], wert)
            << "Zeile " << zeile << ": \"" << inhalt << '"';
    }
}

// The example file with its lines ended by CR LF, LF and CR in turn.
static std::string gemischteZeilenenden() {
    std::string datei;
    int i = 0;
    for (const char c : beispieldatei({}, "\n")) {
        datei += c == '\n' ? std::array{"\r\n", "\n", "\r"}[i++ % 3] : std::string(1, c);
    }
    return datei;
}

TEST(EinstellungenLesen, SchreibweisenDerDateiAendernNichts) {
    const std::string crlf = beispieldatei();
    const std::string utf8 = beispieldatei({{5, "München"}, {8, "Düsseldorf"}});
    const std::vector<std::pair<const char*, std::string>> dateien = {
        {"LF", beispieldatei({}, "\n")},
        {"CR", beispieldatei({}, "\r")},
        {"CR, LF und CR LF gemischt", gemischteZeilenenden()},
        {"UTF-8", utf8},
        {"eine Zeile UTF-8, die anderen Windows-1252", beispieldatei({{8, "Düsseldorf"}})},
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
    std::string lang = "xy"; // the limit falls inside a two-byte character
    while (lang.size() <= hoechsteZeilenlaenge) {
        lang += "ł";
    }
    const std::string gekuerzt = lang.substr(0, hoechsteZeilenlaenge - 1);
    // The longest text a box takes, in characters of three bytes each, is kept whole.
    std::string laengste;
    for (std::size_t i = 0; i < hoechsteTextlaenge; ++i) {
        laengste += "漢";
    }
    // DF 93 alone is valid UTF-8, so "Groß“" alone would read back as "ߓ".
    const std::vector<std::array<std::string, 3>> faelle = {
        {"Maß Öl", "Ma\xDF \xD6l", "Maß Öl"},
        {"5 €", "5 \x80", "5 €"},
        {"Łukasz", "\xC5\x81ukasz", "Łukasz"},
        {"Groß“", "Gro\xC3\x9F\xE2\x80\x9C", "Groß“"},
        {"München Groß“", "M\xFCnchen Gro\xDF\x93", "München Groß“"},
        {"a\r\nb\nc\rd", "a b c d", "a b c d"},
        {"a\tb\x01\x7F\xC2\x85", "a\tb", "a\tb"},
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

// One code page for the whole file: a line that needs UTF-8, or whose Windows-1252 bytes would
// read as UTF-8, turns every line into UTF-8.
TEST(EinstellungenSchreiben, EineKodierungJeDatei) {
    for (const auto& [zweiter, zeilen] :
         std::vector<std::pair<std::string, std::string>>{{"Köln", "M\xFCnchen\r\nK\xF6ln"},
                                                          {"Łódź", "München\r\nŁódź"},
                                                          {"Groß“", "München\r\nGroß“"}}) {
        Einstellungen e;
        e.texte = {"", "", "", "München", zweiter};
        const std::string datei = einstellungenSchreiben(e);
        EXPECT_NE(datei.find(zeilen), std::string::npos) << zweiter;
        EXPECT_EQ(einstellungenUebernehmen(datei), e) << zweiter;
    }
}
