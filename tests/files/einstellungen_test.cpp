#include "files/einstellungen.h"
#include "files/textzeilen.h"
#include "support/beispieldatei.h"
#include "support/datentabelle.h"
#include "support/zustandsempfaenger.h"

#include <gtest/gtest.h>

#include <array>

using namespace velmora;

// Each line of the list beside this test put into the example file, and what is read from it.
TEST(EinstellungenLesen, JedeZeileNachIhrerArt) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/zeilenwerte.txt")) {
        const int nummer = std::stoi(zeile.at(0));
        const std::string& soll = zeile.at(2);
        const std::optional<Einstellungswert> wert =
            soll == "-"             ? std::optional<Einstellungswert>()
            : soll.starts_with('"') ? Einstellungswert(soll.substr(1, soll.size() - 2))
            : soll.starts_with('t') ? Einstellungswert(true)
            : soll.starts_with('f') ? Einstellungswert(false)
                                    : Einstellungswert(std::stoi(soll));
        EXPECT_EQ(einstellungenLesen(beispieldatei({{nummer, zeile[1]}}))[nummer - 1], wert)
            << "Zeile " << nummer << ": \"" << zeile[1] << '"';
    }
}

TEST(EinstellungenLesen, SchreibweisenDerDateiAendernNichts) {
    const std::string crlf = beispieldatei();
    std::string gemischt; // its lines ended by CR LF, LF and CR in turn
    int i = 0;
    for (const char c : beispieldatei({}, "\n")) {
        gemischt += c == '\n' ? std::array{"\r\n", "\n", "\r"}[i++ % 3] : std::string(1, c);
    }
    const std::string utf8 = beispieldatei({{5, "München"}, {8, "Düsseldorf"}});
    const std::vector<std::pair<const char*, std::string>> dateien = {
        {"LF", beispieldatei({}, "\n")},
        {"CR", beispieldatei({}, "\r")},
        {"CR, LF und CR LF gemischt", gemischt},
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

// The texts of the list beside this test, then one whose line the limit cuts inside a two-byte
// character and the longest a box takes, in characters of three bytes each, kept whole.
TEST(EinstellungenSchreiben, TextzeileUndWasZurueckkommt) {
    std::vector<std::vector<std::string>> faelle =
        test::datentabelle(VELMORA_DATEN "/textzeilen.txt");
    std::string lang = "xy", laengste;
    while (lang.size() <= hoechsteZeilenlaenge) {
        lang += "ł";
    }
    while (laengste.size() < hoechsteZeilenlaenge) {
        laengste += "漢";
    }
    const std::string gekuerzt = lang.substr(0, hoechsteZeilenlaenge - 1);
    faelle.push_back({lang, gekuerzt, gekuerzt});
    faelle.push_back({laengste, laengste, laengste});
    for (const auto& fall : faelle) {
        Einstellungen e;
        e.texte[4] = fall.at(0);
        const std::string datei = einstellungenSchreiben(e);
        EXPECT_NE(datei.find("\r\n" + fall.at(1) + "\r\n"), std::string::npos)
            << fall[0].substr(0, 20);
        EXPECT_EQ(einstellungenUebernehmen(datei).texte[4], fall.at(2));
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
