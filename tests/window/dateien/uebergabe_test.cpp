#include <gtest/gtest.h>

#include "textzeilen.h"
#include "uebergabe.h"

using namespace velmora;

namespace {

using Texte = std::vector<std::optional<std::string>>;

struct Uebergabefall {
    const char* name;
    std::string datei;
    Texte texte;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Uebergabefall& f, std::ostream* os) {
    *os << f.name;
}

class Uebergabe : public testing::TestWithParam<Uebergabefall> {};

TEST_P(Uebergabe, GibtDieTexteDerErstenZehnZeilen) {
    EXPECT_EQ(uebergabeLesen(GetParam().datei), GetParam().texte);
}

const std::string zehnZeilen = "Erika\r\nMusterfrau\r\n1.4.95\r\nK\xF6ln\r\nKauffrau\r\n"
                               "Firma\r\nBonn\r\n01.01.2000\r\n31.12.2010\r\n31.12.2010\r\n";
const Texte zehnTexte = {"Erika", "Musterfrau", "1.4.95",     "Köln",       "Kauffrau",
                         "Firma", "Bonn",       "01.01.2000", "31.12.2010", "31.12.2010"};

INSTANTIATE_TEST_SUITE_P(
    Dateien, Uebergabe,
    testing::Values(Uebergabefall{"ZehnZeilen", zehnZeilen, zehnTexte},
                    Uebergabefall{"ZwoelfZeilen", zehnZeilen + "elf\r\nzw\xF6lf\r\n", zehnTexte},
                    Uebergabefall{"DreiZeilen",
                                  "Erika\r\n Muster frau \r\n\r\n",
                                  {"Erika", " Muster frau ", ""}},
                    Uebergabefall{"DreiZeilenOhneLetztesEnde", "a\nb\nc", {"a", "b", "c"}},
                    Uebergabefall{"Leer", "", {}},
                    Uebergabefall{"Utf8MitBom",
                                  "\xEF\xBB\xBFJaros\xC5\x82"
                                  "aw\r\nK\xC3\xB6ln\r\n",
                                  {"Jarosław", "Köln"}},
                    Uebergabefall{"UeberlangeZeile",
                                  "a\r\n" + std::string(hoechsteZeilenlaenge + 1, 'x') +
                                      "\r\nc\r\n",
                                  {"a", std::nullopt, "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
