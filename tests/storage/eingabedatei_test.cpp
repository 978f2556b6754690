// A file handed to the program: a reference file or a settings file, told apart without
// ever reading a broken reference file as settings.
#include "storage/eingabedatei.h"
#include "support/beispieldatei.h"
#include "support/zufallszeugnis.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

// The example settings file's window as a reference.
Zeugnisdaten beispielzeugnis() {
    Zeugnisdaten d = anfangsdaten();
    d.geschlecht = frau;
    d.bereich(1) = {2, anzeigeAn};
    d.bereich(12).note = 3;
    d.bereich(13) = {6, anzeigeAn};
    return d;
}

} // namespace

TEST(Eingabedatei, ZeugnisOderEinstellungen) {
    const QByteArray zeugnis = zeugnisdateiSchreiben(beispielzeugnis());
    const QByteArray einstellungen = bytes(beispieldatei());
    const std::vector<std::tuple<const char*, QByteArray, const char*>> faelle = {
        {"Mustermann.zeugnis", zeugnis, nullptr},
        {"KOPIE.ZEUGNIS", zeugnis, nullptr},
        {"zeugnis.txt", "\xEF\xBB\xBF \r\n" + zeugnis, nullptr},
        {"arbeitszeugnis.ini", einstellungen, nullptr},
        {"alt.zeugnis", einstellungen, "ist kein gültiges Zeugnis: sie enthält kein gültiges JSON"},
        {"kaputt.ini", "{" + einstellungen, "ist kein gültiges Zeugnis"},
        {"bild.png", "\x89PNG\r\n\x1A\n",
         "ist weder ein Zeugnis (.zeugnis) noch eine Einstellungs"},
        {"leer.ini", "", "ist weder"},
        {"geschlecht7.ini", bytes(beispieldatei({{1, "7"}})), "ist weder"},
    };
    for (const auto& [name, inhalt, fehler] : faelle) {
        const Zeugnislesung lesung = eingabedateiLesen(inhalt, name);
        if (!fehler) {
            ASSERT_TRUE(lesung.datei) << name << ": " << lesung.fehler.toStdString();
            EXPECT_EQ(test::felder(lesung.datei->daten), test::felder(beispielzeugnis())) << name;
            EXPECT_EQ(lesung.einstellungsdatei, inhalt == einstellungen) << name;
        } else {
            EXPECT_FALSE(lesung.datei) << name;
            EXPECT_TRUE(lesung.fehler.contains(QStringLiteral("„%1“ %2").arg(name, fehler)))
                << name << ": " << lesung.fehler.toStdString();
        }
    }
}
