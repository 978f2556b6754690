// Two clerks' changes to one shared list of text blocks, merged by the blocks' ids.
#include "bausteine/zusammenfuehrung.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// "id:name:text; …" as blocks of section 1, grade 1.
Textbausteine liste(const std::string& zelle) {
    Textbausteine bausteine;
    for (std::size_t von = 0; von < zelle.size();) {
        const std::size_t bis = std::min(zelle.find("; ", von), zelle.size());
        const std::string eintrag = zelle.substr(von, bis - von);
        const std::size_t a = eintrag.find(':');
        const std::size_t b = eintrag.rfind(':');
        bausteine.push_back({eintrag.substr(0, a), eintrag.substr(a + 1, b - a - 1), 1, 1,
                             Zeugnisart::Endzeugnis, eintrag.substr(b + 1)});
        von = bis + 2;
    }
    return bausteine;
}

} // namespace

TEST(Zusammenfuehrung, NichtsGehtVerloren) {
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/zusammenfuehrung.txt")) {
        EXPECT_EQ(
            zusammenfuehren(liste(zeile.at(1)), liste(zeile.at(2)), liste(zeile.at(3)), "anna"),
            liste(zeile.at(4)))
            << zeile[0];
    }
}
