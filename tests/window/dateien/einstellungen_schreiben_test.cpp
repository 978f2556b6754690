#include <gtest/gtest.h>

#include <algorithm>

#include "beispieldatei.h"
#include "einstellungen.h"
#include "textzeilen.h"
#include "zustandsempfaenger.h"

using namespace velmora;

namespace {

TEST(EinstellungenSchreiben, BeispielfensterByteFuerByte) {
    EXPECT_EQ(einstellungenSchreiben(beispielzustand()), zusammenfuegen(beispielzeilen()));
}

TEST(EinstellungenSchreiben, HundertEinsZeilenMitCrLfAuchAmEnde) {
    const std::string datei = einstellungenSchreiben(Einstellungen{});
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\n'), 101);
    EXPECT_EQ(datei.find("\n\n"), std::string::npos);
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\r'), 101);
    EXPECT_TRUE(datei.starts_with("-1\r\n\r\n"));
    EXPECT_TRUE(datei.ends_with("\r\n0\r\n0\r\n"));
}

Einstellungen mitText(std::string text) {
    Einstellungen e = beispielzustand();
    e.texte[4] = std::move(text);
    return e;
}

// How one text is written: its line in the file and whether the file is UTF-8.
struct Textfall {
    const char* name;
    std::string text;
    std::string zeile; // bytes of line 6
    std::string zurueck;
    bool dateiUtf8;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Textfall& f, std::ostream* os) {
    *os << f.name;
}

class TextInDerDatei : public testing::TestWithParam<Textfall> {};

TEST_P(TextInDerDatei, WirdSoGeschriebenUndGelesen) {
    const auto& fall = GetParam();
    const std::string datei = einstellungenSchreiben(mitText(fall.text));
    EXPECT_NE(datei.find("\r\n" + fall.zeile + "\r\n"), std::string::npos);
    const bool utf8 = datei.find("M\xC3\xBCnchen") != std::string::npos;
    EXPECT_EQ(utf8, fall.dateiUtf8);
    EXPECT_EQ(utf8, datei.find("M\xFCnchen") == std::string::npos);
    EXPECT_EQ(einstellungenUebernehmen(datei).texte[4], fall.zurueck);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, TextInDerDatei,
    testing::Values(Textfall{"Umlaute", "Größe Äußerst",
                             "Gr\xF6\xDF"
                             "e \xC4u\xDF"
                             "erst",
                             "Größe Äußerst", false},
                    Textfall{"Blanks", "  zwei davor, eins danach ", "  zwei davor, eins danach ",
                             "  zwei davor, eins danach ", false},
                    Textfall{"Euro", "5 €", "5 \x80", "5 €", false},
                    Textfall{"PolnischesL", "Łódź Wrocław",
                             "\xC5\x81\xC3\xB3"
                             "d\xC5\xBA Wroc\xC5\x82"
                             "aw",
                             "Łódź Wrocław", true},
                    Textfall{"CrLf", "Zeile eins\r\nZeile zwei", "Zeile eins Zeile zwei",
                             "Zeile eins Zeile zwei", false},
                    Textfall{"LfUndCr", "a\nb\rc\n\nd", "a b c  d", "a b c  d", false},
                    Textfall{"KaputtesUtf8", "x\xC3y", "x\xEF\xBF\xBDy", "x\xEF\xBF\xBDy", true}),
    [](const auto& info) { return std::string(info.param.name); });

// "ß“" in Windows-1252 is DF 93: valid UTF-8, so a file with no other high byte would read
// back as "ߓ".
TEST(EinstellungenSchreiben, Windows1252DasWieUtf8AussiehtWirdUtf8Geschrieben) {
    Einstellungen nurAscii;
    nurAscii.texte[4] = "Groß“";
    const std::string utf8 = einstellungenSchreiben(nurAscii);
    EXPECT_NE(utf8.find("\r\nGro\xC3\x9F\xE2\x80\x9C\r\n"), std::string::npos);
    EXPECT_EQ(einstellungenUebernehmen(utf8), nurAscii);

    const std::string windows1252 = einstellungenSchreiben(mitText("Groß“"));
    EXPECT_NE(windows1252.find("\r\nGro\xDF\x93\r\n"), std::string::npos);
    EXPECT_EQ(einstellungenUebernehmen(windows1252), mitText("Groß“"));
}

TEST(EinstellungenSchreiben, ZuLangerTextWirdAnEinerZeichengrenzeGekuerzt) {
    // 2-byte characters, so that the limit falls inside one.
    std::string text;
    while (text.size() <= hoechsteZeilenlaenge) {
        text += "ł";
    }
    const std::string gelesen =
        einstellungenUebernehmen(einstellungenSchreiben(mitText(text))).texte[4];
    EXPECT_EQ(gelesen, text.substr(0, hoechsteZeilenlaenge));
}

TEST(EinstellungenSchreiben, TextMitGenauDerHoechstlaengeBleibtGanz) {
    const std::string text(hoechsteZeilenlaenge, 'x');
    EXPECT_EQ(einstellungenUebernehmen(einstellungenSchreiben(mitText(text))).texte[4], text);
}

Einstellungen grauOhneGeschlecht() {
    Einstellungen e = beispielzustand();
    e.geschlecht = keinGeschlecht;
    e.anzeige[4] = anzeigeGrau;
    return e;
}

Einstellungen letzteKnoepfeUndReiter() {
    Einstellungen e;
    for (int b = 0; b < anzahlBereiche; ++b) {
        e.knoepfe[b] = b + 1 == beendigungsgrund ? beendigungsknoepfe - 1 : notenknoepfe - 1;
        e.anzeige[b] = b % 3;
    }
    e.geschlecht = herr;
    e.reiter = {12, 2};
    return e;
}

class Rundlauf : public testing::TestWithParam<Einstellungen (*)()> {};

TEST_P(Rundlauf, SchreibenLesenSchreibenGibtDieselbenBytes) {
    const Einstellungen vorher = GetParam()();
    const std::string datei = einstellungenSchreiben(vorher);
    const Einstellungen nachher = einstellungenUebernehmen(datei);
    EXPECT_EQ(nachher, vorher);
    EXPECT_EQ(einstellungenSchreiben(nachher), datei);
}

INSTANTIATE_TEST_SUITE_P(Zustaende, Rundlauf,
                         testing::Values(
                             beispielzustand, grauOhneGeschlecht, letzteKnoepfeUndReiter,
                             [] { return Einstellungen{}; },
                             [] { return mitText("Jarosław Łukasz"); }));

TEST(EinstellungenSchreiben, LadenUeberschreibtJedenWertDesFensters) {
    const Einstellungen anders = letzteKnoepfeUndReiter();
    EXPECT_EQ(einstellungenUebernehmen(einstellungenSchreiben(beispielzustand()), anders),
              beispielzustand());
}

} // namespace
