#include <gtest/gtest.h>

#include "aufzeichnender_empfaenger.h"
#include "beispieldatei.h"
#include "einstellungen.h"
#include "textzeilen.h"
#include "zeichensatz.h"
#include "zustandsempfaenger.h"

using namespace velmora;

namespace {

std::string beispielMit(int zeile, std::string inhalt) {
    auto z = beispielzeilen();
    z[zeile] = std::move(inhalt);
    return zusammenfuegen(z);
}

// How one line is read; nothing means the control is left alone.
struct Lesefall {
    int zeile;
    std::string inhalt;
    std::optional<Einstellungswert> wert;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Lesefall& f, std::ostream* os) {
    *os << "line " << f.zeile;
}

class ZeileLesen : public testing::TestWithParam<Lesefall> {};

TEST_P(ZeileLesen, GibtDenWertOderNichts) {
    const auto& fall = GetParam();
    EXPECT_EQ(einstellungenLesen(beispielMit(fall.zeile, fall.inhalt))[fall.zeile - 1], fall.wert)
        << "Zeile " << fall.zeile << ": \"" << fall.inhalt << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Zahlen, ZeileLesen,
    testing::Values(Lesefall{1, " 1 ", 1}, Lesefall{1, "\t0\t", 0}, Lesefall{1, "-1", -1},
                    Lesefall{1, "+1", 1}, Lesefall{1, "7", std::nullopt},
                    Lesefall{1, "-2", std::nullopt}, Lesefall{1, "", std::nullopt},
                    Lesefall{1, "1 1", std::nullopt}, Lesefall{1, "1.0", std::nullopt},
                    Lesefall{1, "+-1", std::nullopt}, Lesefall{1, "Frau", std::nullopt},
                    Lesefall{87, "2", 2}, Lesefall{87, "5", std::nullopt},
                    Lesefall{99, "-1", std::nullopt}, Lesefall{100, "12", 12},
                    Lesefall{100, "13", std::nullopt}, Lesefall{100, "99", std::nullopt},
                    Lesefall{101, "2", 2}, Lesefall{101, "3", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Schalter, ZeileLesen,
    testing::Values(Lesefall{24, "TRUE", true}, Lesefall{24, "tRuE", true},
                    Lesefall{24, " True ", true}, Lesefall{24, "FALSE", false},
                    Lesefall{24, "1", true}, Lesefall{24, "-1", true}, Lesefall{24, " 0 ", false},
                    Lesefall{24, "32767", true}, Lesefall{24, "32768", std::nullopt},
                    Lesefall{24, "Truee", std::nullopt}, Lesefall{24, "Wahr", std::nullopt},
                    Lesefall{24, "", std::nullopt}, Lesefall{86, "true", true}));

INSTANTIATE_TEST_SUITE_P(Texte, ZeileLesen,
                         testing::Values(Lesefall{2, "  Hans ", "  Hans "}, Lesefall{11, "", ""},
                                         Lesefall{3, "True", "True"},
                                         Lesefall{5, "\t1\t", "\t1\t"}));

TEST(EinstellungenLaden, BeispielKommtInDateireihenfolgeAn) {
    const auto aufrufe = aufrufeBeimLaden(zusammenfuegen(beispielzeilen()));
    ASSERT_EQ(aufrufe.size(), 101u);
    EXPECT_EQ(aufrufe[0], "geschlecht 1");
    EXPECT_EQ(aufrufe[1], "text 0 Hans");
    EXPECT_EQ(aufrufe[4], "text 3 München");
    EXPECT_EQ(aufrufe[11], "knopf 1 0 aus");
    EXPECT_EQ(aufrufe[22], "knopf 13 0 aus");
    EXPECT_EQ(aufrufe[23], "knopf 1 1 an");
    EXPECT_EQ(aufrufe[82], "knopf 13 5 an");
    EXPECT_EQ(aufrufe[83], "knopf 12 0 aus");
    EXPECT_EQ(aufrufe[85], "knopf 12 2 an");
    EXPECT_EQ(aufrufe[86], "anzeige 1 1");
    EXPECT_EQ(aufrufe[98], "anzeige 13 1");
    EXPECT_EQ(aufrufe[99], "reiter 0 12");
    EXPECT_EQ(aufrufe[100], "reiter 1 0");
}

TEST(EinstellungenLaden, ZweimalTrueInEinemBereichDerLetzteGewinnt) {
    auto z = beispielzeilen();
    z[12] = "True"; // Fachwissen, grade 1, before grade 2 on line 24
    const std::string datei = zusammenfuegen(z);
    const auto aufrufe = aufrufeBeimLaden(datei);
    EXPECT_EQ(aufrufe[11], "knopf 1 0 an");
    EXPECT_EQ(aufrufe[23], "knopf 1 1 an");
    EXPECT_EQ(einstellungenUebernehmen(datei).knoepfe[0], 1);
}

// Files that are short, broken or hostile: what can be read is applied, the rest left alone.
struct Robustfall {
    const char* name;
    std::string datei;
    std::size_t aufrufe;
    std::vector<std::string> fehlen;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Robustfall& f, std::ostream* os) {
    *os << f.name;
}

class KaputteDatei : public testing::TestWithParam<Robustfall> {};

TEST_P(KaputteDatei, LaesstNurDasUnlesbareAus) {
    const auto& fall = GetParam();
    const auto aufrufe = aufrufeBeimLaden(fall.datei);
    EXPECT_EQ(aufrufe.size(), fall.aufrufe);
    for (const auto& fehlt : fall.fehlen) {
        EXPECT_EQ(std::find(aufrufe.begin(), aufrufe.end(), fehlt), aufrufe.end()) << fehlt;
    }
}

std::string ersteZeilen(std::size_t anzahl) {
    auto z = beispielzeilen();
    z.resize(anzahl + 1);
    return zusammenfuegen(z);
}

std::string beispielOhneLetztesZeilenende() {
    std::string datei = zusammenfuegen(beispielzeilen());
    datei.resize(datei.size() - 2);
    return datei;
}

std::string muell() {
    std::string datei;
    for (int i = 0; i < 4096; ++i) {
        datei += static_cast<char>((i * 7919 + 13) % 256);
    }
    return datei;
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, KaputteDatei,
    testing::Values(
        Robustfall{"Leer", "", 0, {}}, Robustfall{"VierzigZeilen", ersteZeilen(40), 40, {}},
        Robustfall{"OhneLetztesZeilenende", beispielOhneLetztesZeilenende(), 101, {}},
        Robustfall{
            "ZeilenNachDerLetzten", zusammenfuegen(beispielzeilen()) + "1\r\n2\r\n", 101, {}},
        Robustfall{"Geschlecht7", beispielMit(1, "7"), 100, {"geschlecht 7"}},
        Robustfall{"Reiter99", beispielMit(100, "99"), 100, {"reiter 0 99"}},
        Robustfall{"Anzeige5", beispielMit(88, "5"), 100, {"anzeige 2 5"}},
        Robustfall{"ZehnMegabyteZeile", beispielMit(3, std::string(10'000'000, 'x')), 100, {}},
        Robustfall{"UeberlangeZahl", beispielMit(1, std::string(70'000, '1')), 100, {}},
        Robustfall{"Muell", muell(), 10, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EinstellungenLaden, ZeileUeberDerHoechstlaengeBehaeltIhrenPlatz) {
    auto z = beispielzeilen();
    z[2] = std::string(hoechsteZeilenlaenge + 1, 'x');
    z[3] = std::string(hoechsteZeilenlaenge, 'y');
    const Einstellungen e = einstellungenUebernehmen(zusammenfuegen(z));
    EXPECT_EQ(e.texte[0], "");
    EXPECT_EQ(e.texte[1], z[3]);
    EXPECT_EQ(e.texte[2], "16.04.1947");
    EXPECT_EQ(e.reiter[untereLeiste], 12);
}

TEST(EinstellungenLaden, MuellGibtNurGueltigeTexte) {
    const Einstellungen e = einstellungenUebernehmen(muell());
    for (const auto& text : e.texte) {
        EXPECT_TRUE(istUtf8(text));
    }
}

// The same window state, whatever the line ends, a byte-order mark or the code page.
struct Schreibweise {
    const char* name;
    std::string datei;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Schreibweise& f, std::ostream* os) {
    *os << f.name;
}

class AndereSchreibweise : public testing::TestWithParam<Schreibweise> {};

TEST_P(AndereSchreibweise, GibtDasBeispielfenster) {
    EXPECT_EQ(einstellungenUebernehmen(GetParam().datei), beispielzustand());
}

std::string beispielInUtf8() {
    auto z = beispielzeilen();
    z[5] = "München";
    z[8] = "Düsseldorf";
    return zusammenfuegen(z);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, AndereSchreibweise,
    testing::Values(Schreibweise{"CrLf", zusammenfuegen(beispielzeilen())},
                    Schreibweise{"NurLf", zusammenfuegen(beispielzeilen(), "\n")},
                    Schreibweise{"Utf8", beispielInUtf8()},
                    Schreibweise{"Utf8MitBom", "\xEF\xBB\xBF" + beispielInUtf8()},
                    Schreibweise{"Windows1252MitBom",
                                 "\xEF\xBB\xBF" + zusammenfuegen(beispielzeilen())},
                    Schreibweise{"ZahlenMitBlanks",
                                 [] {
                                     auto z = beispielzeilen();
                                     z[1] = " 1 ";
                                     z[100] = " 12";
                                     z[87] = "1 ";
                                     return zusammenfuegen(z);
                                 }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EinstellungenLaden, FalseLoeschtNurDenEigenenKnopf) {
    Einstellungen vorher;
    vorher.knoepfe[0] = 3;
    auto z = beispielzeilen();
    z[24] = "False";
    EXPECT_EQ(einstellungenUebernehmen(zusammenfuegen(z), vorher).knoepfe[0], std::nullopt);
    z.resize(31); // Fachwissen's grades 1 and 2 are read, grade 4 on line 48 is not
    EXPECT_EQ(einstellungenUebernehmen(zusammenfuegen(z), vorher).knoepfe[0], 3);
}

} // namespace
