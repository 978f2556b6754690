#include "files/textzeilen.h"
#include "files/uebergabe.h"

#include <gtest/gtest.h>

using namespace velmora;

using Texte = std::vector<std::optional<std::string>>;

TEST(Uebergabe, GibtDieTexteDerErstenZehnZeilen) {
    const std::string lang(hoechsteZeilenlaenge + 1, 'x');
    const std::vector<std::pair<std::string, Texte>> faelle = {
        {"", {}},
        {"Erika\r\n Muster frau \r\n\r\n", {"Erika", " Muster frau ", ""}},
        {"a\nb\nc", {"a", "b", "c"}},
        {"a\rb\r\n\r\nc\n\rd", {"a", "b", "", "c", "", "d"}},
        {"J\xFCrgen\r\nJ\xC3\xBCrgen\r\n", {"Jürgen", "Jürgen"}},
        {"\xEF\xBB\xBF\xC5\x81ukasz\r\nK\xC3\xB6ln\r\n", {"Łukasz", "Köln"}},
        {"a\r\n" + lang + "\r\nc\r\n", {"a", std::nullopt, "c"}}};
    for (const auto& [datei, texte] : faelle) {
        EXPECT_EQ(uebergabeLesen(datei), texte) << datei.substr(0, 20);
    }
}
