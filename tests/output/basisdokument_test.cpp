#include "output/basisdokument.h"
#include "output/basissuche.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

using namespace velmora;

namespace {

// Each base document of the list beside this test taken apart, or refused; the one built in is
// the base shipped as temp.doc, with nothing in its body.
TEST(Zerlegen, FindetRumpfUndArialOderLehntAb) {
    for (const auto& fall : test::datentabelle(VELMORA_DATEN "/basisdokumente.txt", true)) {
        const auto basis = basisdokumentZerlegen(fall.at(0));
        ASSERT_EQ(basis.has_value(), fall.at(1) != "-") << fall[0];
        if (basis) {
            EXPECT_EQ(std::tuple(basis->kopf, basis->rumpf, basis->arial, basis->rumpfHatInhalt),
                      std::tuple(fall[1], fall.at(2), std::stoi(fall.at(3)), fall.at(4) == "ja"));
        }
    }
    EXPECT_EQ(test::dateiinhalt(VELMORA_TEMP_DOC), eingebautesBasisdokument);
    EXPECT_FALSE(basisdokumentZerlegen(eingebautesBasisdokument)->rumpfHatInhalt);
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
