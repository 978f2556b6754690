// The files the program keeps for itself: written and read back unchanged, and read
// tolerantly, so that a broken file costs its broken values and never the start.
#include "storage/firmenprofil.h"
#include "storage/wiederherstellung.h"
#include "storage/zustand.h"
#include "support/datentabelle.h"
#include "support/zufallszeugnis.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Every member of the state file set, as written (zustand.json beside this test).
const QByteArray zustand =
    QByteArray::fromStdString(test::dateiinhalt(VELMORA_DATEN "/zustand.json"));

const Firmenprofil firmenprofil = {
    "Zevuz GmbH", {"Königsallee 1", "40212 Düsseldorf"},  "firmenlogo.png",
    "Düsseldorf", {"Petra Schmidt", "Leiterin", "i. V."}, "/srv/personal/velmora"};

// The object the bytes hold with one member replaced.
QByteArray mit(const QByteArray& datei, const char* name, const QJsonValue& wert) {
    QJsonObject objekt = QJsonDocument::fromJson(datei).object();
    objekt[name] = wert;
    return QJsonDocument(objekt).toJson();
}

} // namespace

TEST(EigeneDateien, KommenUnveraendertZurueck) {
    EXPECT_EQ(zustandSchreiben(zustandLesen(zustand)), zustand);
    EXPECT_EQ(firmenprofilLesen(firmenprofilSchreiben(firmenprofil)), firmenprofil);

    std::mt19937 zufall(12);
    for (int durchlauf = 0; durchlauf < 50; ++durchlauf) {
        const Wiederherstellung w{{test::zufallszeugnis(zufall), {{"zukunft", "bleibt"}}},
                                  {int(zufall() % 13), int(zufall() % 5)},
                                  "/hr/Mustermann, Hans.zeugnis",
                                  zufall() % 2 == 1};
        const QByteArray datei = wiederherstellungSchreiben(w);
        const auto gelesen = wiederherstellungLesen(datei);
        ASSERT_TRUE(gelesen);
        EXPECT_TRUE(gelesen->zeugnis.daten == w.zeugnis.daten && gelesen->reiter == w.reiter &&
                    gelesen->offeneDatei == w.offeneDatei && gelesen->geaendert == w.geaendert);
        EXPECT_EQ(wiederherstellungSchreiben(*gelesen), datei); // "zukunft" included
    }
}

TEST(EigeneDateien, KaputteWerteKostenNurSich) {
    const QStringList zehn = QString("/a|/b|/c|/d|/e|/f|/g|/h|/i|/j").split('|');
    const std::vector<std::tuple<const char*, QByteArray, std::function<void(Zustand&)>>> faelle = {
        {"Müll", "\x01\x02{", [](Zustand& z) { z = Zustand(); }},
        {"Art 5", mit(zustand, "art", 5),
         [](Zustand& z) { z.zusatz.art = Zeugnisart::Endzeugnis; }},
        {"Aufgaben als Liste", mit(zustand, "aufgaben", QJsonArray{}),
         [](Zustand& z) { z.zusatz.aufgaben = {}; }},
        {"zehn zuletzt", mit(zustand, "zuletzt", QJsonArray::fromStringList(zehn)),
         [&](Zustand& z) { z.zuletztGeoeffnet = zehn.mid(0, zuletztGeoeffneteDateien); }},
        {"Formulierung 9",
         mit(zustand, "bereiche",
             [] {
                 QJsonArray bereiche;
                 for (int i = 0; i < anzahlBereiche; ++i) {
                     bereiche.append(QJsonObject{{"formulierung", i == 2 ? 9 : 1}});
                 }
                 return bereiche;
             }()),
         [](Zustand& z) {
             z.zusatz.formulierungen.fill(1);
             z.eigeneTexte = {};
             z.bausteinIds = {};
         }},
        {"Bereiche als Text", mit(zustand, "bereiche", "Fachwissen"),
         [](Zustand& z) {
             z.zusatz.formulierungen.fill(1);
             z.eigeneTexte = {};
             z.bausteinIds = {};
         }},
        // Tabs 0 to 2 are the settings file's.
        {"Reiter 2", mit(zustand, "reiter", 2), [](Zustand& z) { z.obererReiter.reset(); }},
    };
    for (const auto& [name, datei, aendern] : faelle) {
        Zustand erwartet = zustandLesen(zustand);
        aendern(erwartet);
        EXPECT_EQ(zustandLesen(datei), erwartet) << name;
    }
    // The profile names no file but its own logo in the data folder.
    for (const char* logo : {"../../etc/passwd", "/tmp/firmenlogo.png", "logo.gif"}) {
        EXPECT_EQ(firmenprofilLesen(mit(firmenprofilSchreiben(firmenprofil), "logo", logo)).logo,
                  "");
    }
}

TEST(EigeneDateien, WiederherstellungNimmtDasZeugnisGanzOderGarNicht) {
    const QByteArray ganz = wiederherstellungSchreiben({{anfangsdaten(), {}}, {12, 1}, "/a", true});
    QJsonObject zeugnis = QJsonDocument::fromJson(ganz)["zeugnis"].toObject();
    zeugnis["anrede"] = "Herrn";
    EXPECT_FALSE(wiederherstellungLesen(mit(ganz, "zeugnis", zeugnis)));
    EXPECT_FALSE(wiederherstellungLesen(ganz.left(ganz.size() - 3)));

    const auto ohneReiter = wiederherstellungLesen(mit(ganz, "reiter", QJsonObject{{"unten", 13}}));
    ASSERT_TRUE(ohneReiter);
    EXPECT_EQ(ohneReiter->reiter, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(ohneReiter->offeneDatei, "/a");
}
