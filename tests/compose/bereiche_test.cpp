#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

using namespace velmora;

namespace {

TEST(Bewertungsbereiche, ReiterHabenGenauEineZugriffstaste) {
    for (const auto& b : bewertungsbereiche) {
        EXPECT_EQ(std::count(b.reiter.begin(), b.reiter.end(), '&'), 1) << b.reiter;
        std::string ohne(b.reiter);
        std::erase(ohne, '&');
        // The Beendigungsgrund tab has always read "Bendigungsgrund".
        EXPECT_EQ(ohne, b.nummer == 12 ? "Bendigungsgrund" : b.name) << b.nummer;
    }
}

// Section 12 changes its caption with the kind; every tab keeps its access key.
TEST(Bewertungsbereiche, ZugriffstasteBleibtBeiJederArt) {
    const auto taste = [](std::string_view reiter) {
        return std::tolower(static_cast<unsigned char>(reiter[reiter.find('&') + 1]));
    };
    for (const auto& b : bewertungsbereiche) {
        const auto reiter = b.reiterFuer(Zeugnisart::Zwischenzeugnis);
        ASSERT_EQ(std::count(reiter.begin(), reiter.end(), '&'), 1) << reiter;
        EXPECT_EQ(taste(reiter), taste(b.reiter)) << reiter;
    }
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
