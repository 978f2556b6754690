// The user's text blocks in their file and in an export: written and read back, a broken
// entry costing itself only, a file of another kind refused by name.
#include "storage/textbausteine.h"
#include "support/datentabelle.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(Textbausteine, DefekteEintraegeFallenEinzelnWeg) {
    const Bausteinlesung lesung = textbausteineLesen(
        QByteArray::fromStdString(test::dateiinhalt(VELMORA_DATEN "/textbausteine.json")),
        QStringLiteral("t.json"));
    ASSERT_TRUE(lesung.bausteine);
    const Textbausteine erwartet = {
        {"a1", "Lager", 2, 1, Zeugnisart::Endzeugnis, "{Er} packte an."},
        {"a6", "Gruß", 12, 3, Zeugnisart::Zwischenzeugnis, "Wir danken {ihm}."}};
    EXPECT_EQ(*lesung.bausteine, erwartet);
    EXPECT_EQ(lesung.ausgelassen, 6);
    EXPECT_EQ(textbausteineLesen(textbausteineSchreiben(erwartet), {}).bausteine, erwartet);
}

TEST(Textbausteine, FremdeDateiAbgelehnt) {
    for (const char* inhalt : {"", "{\"format\": \"velmora-zeugnis\"}", "[1]", "{\"bausteine\""}) {
        const Bausteinlesung lesung =
            textbausteineLesen(inhalt, QStringLiteral("/home/a/Bausteine.json"));
        EXPECT_FALSE(lesung.bausteine) << inhalt;
        EXPECT_TRUE(lesung.fehler.startsWith(
            QStringLiteral("Die Datei „/home/a/Bausteine.json“ enthält keine Textbausteine: ")))
            << inhalt << lesung.fehler.toStdString();
    }
}
