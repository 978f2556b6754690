#include "output/basisdokument.h"
#include "output/basissuche.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

using namespace velmora;

namespace {

// A base document taken apart: the head up to its body (with Arial in its font table), the
// body, Arial's number and whether the body holds anything.
TEST(Zerlegen, FindetRumpfUndArial) {
    const struct {
        std::string basis, kopf, rumpf;
        int arial;
        bool inhalt;
    } faelle[] = {
        // Arial joins the table with the next number.
        {"{\\rtf1{\\fonttbl{\\f0 Times New Roman;}{\\f3{\\*\\panose 0}Courier;}}\\margl1417 "
         "\\pard Text\\par}",
         "{\\rtf1{\\fonttbl{\\f0 Times New Roman;}{\\f3{\\*\\panose 0}Courier;}{\\f4\\fswiss"
         "\\fcharset0 Arial;}}\\margl1417 ",
         "\\pard Text\\par}", 4, true},
        // Arial found in any case, in a flat table.
        {"{\\rtf1{\\fonttbl\\f0\\froman Times;\\f7\\fswiss ARIAL;}Hallo}",
         "{\\rtf1{\\fonttbl\\f0\\froman Times;\\f7\\fswiss ARIAL;}", "Hallo}", 7, true},
        // No font table gets one before the first group.
        {"{\\rtf1\\ansi\\deff0{\\info{\\title x}}\\paperw11906}",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}{\\info{\\title x}}"
         "\\paperw11906",
         "}", 0, false},
        // Header groups, ignorable destinations and section setup stay before the body.
        {"{\\rtf1{\\fonttbl{\\f1 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\*\\generator Writer}\\sectd\\pgwsxn11906\\marglsxn1417{\\b fett}\\par}",
         "{\\rtf1{\\fonttbl{\\f1 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\*\\generator Writer}\\sectd\\pgwsxn11906\\marglsxn1417",
         "{\\b fett}\\par}", 1, true},
        // Binary data cannot close a group.
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\x\\bin2 }}}}",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\x\\bin2 }}}", "}", 0, false}};
    for (const auto& f : faelle) {
        const auto basis = basisdokumentZerlegen(f.basis);
        ASSERT_TRUE(basis) << f.basis;
        EXPECT_EQ(std::tie(basis->kopf, basis->rumpf, basis->arial, basis->rumpfHatInhalt),
                  std::tie(f.kopf, f.rumpf, f.arial, f.inhalt))
            << f.basis;
    }
}

TEST(Zerlegen, LehntAbWasKeinGanzesRtfIst) {
    for (const std::string& kaputt : {
             std::string(),
             std::string("Hallo Welt"),
             std::string("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard Text"),
             std::string("{\\rtf1{\\fonttbl{\\f0 Arial;}"),
             std::string("{\\rtf1{\\info{\\title x}"),
             std::string("{\\rt"),
         }) {
        EXPECT_FALSE(basisdokumentZerlegen(kaputt)) << kaputt;
    }
}

TEST(Zerlegen, EingebauteSeiteIstDieMitgelieferteBasis) {
    std::ifstream datei(VELMORA_TEMP_DOC, std::ios::binary);
    ASSERT_TRUE(datei) << VELMORA_TEMP_DOC;
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    EXPECT_EQ(inhalt.str(), eingebautesBasisdokument);
    const auto basis = basisdokumentZerlegen(inhalt.str());
    ASSERT_TRUE(basis);
    EXPECT_FALSE(basis->rumpfHatInhalt);
}

TEST(Zerlegen, NimmtDieSeiteAusDemKopfWennTextPlatzHat) {
    const auto seite = [](const std::string& rtf) { return basisdokumentZerlegen(rtf)->seite; };
    EXPECT_EQ(seite("{\\rtf1\\paperw12240\\paperh15840\\margl1800\\margr1700\\margt1440\\margb1000 "
                    "x}"),
              (Seite{12240, 15840, 1800, 1700, 1440, 1000}));
    EXPECT_EQ(seite("{\\rtf1\\margl1000\\sectd\\marglsxn1500\\pgwsxn12000 x}"),
              (Seite{.breite = 12000, .links = 1500}));
    EXPECT_EQ(seite("{\\rtf1\\pard x\\margl99}"), Seite{});
    EXPECT_EQ(seite("{\\rtf1\\paperw2000\\margl1000\\margr1000 x}"), Seite{});
    EXPECT_EQ(seite("{\\rtf1\\margl-5\\margr99999 x}"), Seite{});
}

TEST(Basissuche, ErstBeimProgrammDannInDenDatenordnern) {
    const auto suche = [](std::initializer_list<std::string> vorhanden) {
        return basisdokumentSuchen(
            "/opt/velmora/bin", {"/opt/velmora/bin/../share/velmora", "/usr/share/velmora/"},
            [&](const std::string& pfad) {
                return std::find(vorhanden.begin(), vorhanden.end(), pfad) != vorhanden.end();
            });
    };
    EXPECT_EQ(suche({"/opt/velmora/bin/temp.doc", "/usr/share/velmora/temp.doc"}),
              "/opt/velmora/bin/temp.doc");
    EXPECT_EQ(suche({"/opt/velmora/bin/../share/velmora/temp.doc", "/usr/share/velmora/temp.doc"}),
              "/opt/velmora/bin/../share/velmora/temp.doc");
    EXPECT_EQ(suche({"/usr/share/velmora/temp.doc"}), "/usr/share/velmora/temp.doc");
    EXPECT_EQ(suche({}), std::nullopt);
}

} // namespace
