#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "anredeformen.h"
#include "bewertungsbereich.h"

using namespace velmora;

namespace {

TEST(Bewertungsbereiche, VorschaulabelsDerBereicheZehnBisDreizehn) {
    const int erwartet[][2] = {{9, 8}, {10, 12}, {11, 9}, {12, 10}, {13, 11}};
    for (const auto& [nummer, label] : erwartet) {
        EXPECT_EQ(bewertungsbereich(nummer).vorschauIndex, label) << nummer;
    }
    std::set<int> labels;
    for (const auto& b : bewertungsbereiche) {
        labels.insert(b.vorschauIndex);
        EXPECT_EQ(b.anzeigeIndex, b.nummer - 1);
    }
    EXPECT_EQ(labels.size(), 13u);
    EXPECT_EQ(*labels.rbegin(), 12);
}

TEST(Bewertungsbereiche, ReiterHabenGenauEineZugriffstaste) {
    for (const auto& b : bewertungsbereiche) {
        EXPECT_EQ(std::count(b.reiter.begin(), b.reiter.end(), '&'), 1) << b.reiter;
        std::string ohne(b.reiter);
        std::erase(ohne, '&');
        // The Beendigungsgrund tab has always read "Bendigungsgrund".
        EXPECT_EQ(ohne, b.nummer == 12 ? "Bendigungsgrund" : b.name) << b.nummer;
    }
}

TEST(Bewertungsbereiche, NurBeendigungsgrundHatDreiKnoepfe) {
    for (const auto& b : bewertungsbereiche) {
        EXPECT_EQ(b.stufen(), b.nummer == 12 ? 3 : 6) << b.nummer;
    }
    EXPECT_EQ(bewertungsbereich(12).skala->knoepfe[2].beschriftung, "Aufhebungsvertrag");
    EXPECT_EQ(bewertungsbereich(12).skala->ueberschrift, "Kündigung durch");
}

TEST(Anredeformen, NurDieEinsWaehltDieFrau) {
    EXPECT_EQ(Anredeformen::fuer(1)[Anrede::Herr], "Frau");
    for (int geschlecht : {-1, 0, 2, 7}) {
        EXPECT_EQ(Anredeformen::fuer(geschlecht)[Anrede::Herr], "Herr") << geschlecht;
    }
    const auto& f = Anredeformen::fuer(1);
    EXPECT_EQ(f[Anrede::ihm], "ihr");
    EXPECT_EQ(f[Anrede::in], "in");
    EXPECT_EQ(f[Anrede::r], "");
    EXPECT_EQ(Anredeformen::fuer(0)[Anrede::in], "");
}

} // namespace
