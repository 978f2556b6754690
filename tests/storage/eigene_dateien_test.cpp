// The files the program keeps for itself: written and read back unchanged, and read
// tolerantly, so that a broken file costs its broken values and never the start.
#include "storage/firmenprofil.h"
#include "storage/wiederherstellung.h"
#include "storage/zustand.h"
#include "support/zufallszeugnis.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

Zustand vollerZustand() {
    Zustand z;
    z.zusatz = {Zeugnisart::Zwischenzeugnis,
                false,
                {"Vertrieb", {"Kundenbetreuung", "Angebote"}, "Umsatz verdoppelt"},
                {"Petra Schmidt", "Personalleiterin", "ppa."}};
    z.offeneDatei = "/home/hr/Zeugnisse/Mustermann, Hans.zeugnis";
    z.zuletztGeoeffnet = {z.offeneDatei, "/home/hr/Zeugnisse/Musterfrau, Erika.zeugnis"};
    z.obererReiter = 4;
    z.uebergabe = "9f86d081884c7d659a2feaa0c55ad015";
    z.vorlieben = {{"pruefen", true}};
    return z;
}

Firmenprofil vollesProfil() {
    return {"Zevuz Elektronikhandelsgesellschaft mbH",
            {"Königsallee 1", "40212 Düsseldorf"},
            "firmenlogo.png",
            "Düsseldorf",
            {"Petra Schmidt", "Personalleiterin", "i. V."}};
}

// The object the bytes hold with one member replaced.
QByteArray mit(const QByteArray& datei, const char* name, const QJsonValue& wert) {
    QJsonObject objekt = QJsonDocument::fromJson(datei).object();
    objekt[name] = wert;
    return QJsonDocument(objekt).toJson();
}

} // namespace

TEST(EigeneDateien, KommenUnveraendertZurueck) {
    const QByteArray zustand = zustandSchreiben(vollerZustand());
    EXPECT_EQ(zustandLesen(zustand), vollerZustand());
    EXPECT_EQ(zustandSchreiben(zustandLesen(zustand)), zustand);

    const QByteArray profil = firmenprofilSchreiben(vollesProfil());
    EXPECT_EQ(firmenprofilLesen(profil), vollesProfil());
    EXPECT_EQ(firmenprofilSchreiben(firmenprofilLesen(profil)), profil);

    std::mt19937 zufall(12);
    for (int durchlauf = 0; durchlauf < 50; ++durchlauf) {
        Wiederherstellung w;
        w.zeugnis.daten = test::zufallszeugnis(zufall);
        w.zeugnis.gelesen = {{"zukunft", "bleibt"}};
        w.reiter = {int(zufall() % 13), int(zufall() % 5)};
        w.offeneDatei = "/home/hr/Mustermann, Hans.zeugnis";
        w.geaendert = zufall() % 2;
        const QByteArray datei = wiederherstellungSchreiben(w);
        const auto gelesen = wiederherstellungLesen(datei);
        ASSERT_TRUE(gelesen);
        EXPECT_EQ(test::felder(gelesen->zeugnis.daten), test::felder(w.zeugnis.daten));
        EXPECT_EQ(gelesen->zeugnis.gelesen["zukunft"], "bleibt");
        EXPECT_EQ(std::tie(gelesen->reiter, gelesen->offeneDatei, gelesen->geaendert),
                  std::tie(w.reiter, w.offeneDatei, w.geaendert));
        EXPECT_EQ(wiederherstellungSchreiben(*gelesen), datei);
    }
}

TEST(EigeneDateien, ZustandKostetNurDieKaputtenWerte) {
    const QByteArray ganz = zustandSchreiben(vollerZustand());
    QStringList zehn;
    for (int i = 0; i < 10; ++i) {
        zehn.append(QStringLiteral("/z/%1.zeugnis").arg(i));
    }
    const std::vector<std::tuple<const char*, QByteArray, std::function<void(Zustand&)>>> faelle = {
        {"Müll", "\x01\x02{", [](Zustand& z) { z = Zustand(); }},
        {"Art 5", mit(ganz, "art", 5), [](Zustand& z) { z.zusatz.art = Zeugnisart::Endzeugnis; }},
        {"Aufgaben als Liste", mit(ganz, "aufgaben", QJsonArray{}),
         [](Zustand& z) { z.zusatz.aufgaben = {}; }},
        {"Datei als Zahl", mit(ganz, "datei", 3), [](Zustand& z) { z.offeneDatei.clear(); }},
        {"zehn zuletzt", mit(ganz, "zuletzt", QJsonArray::fromStringList(zehn)),
         [&](Zustand& z) { z.zuletztGeoeffnet = zehn.mid(0, zuletztGeoeffneteDateien); }},
        // Tabs 0 to 2 are the settings file's.
        {"Reiter 2", mit(ganz, "reiter", 2), [](Zustand& z) { z.obererReiter.reset(); }},
        {"Vorlieben als Text", mit(ganz, "vorlieben", "x"), [](Zustand& z) { z.vorlieben = {}; }},
    };
    for (const auto& [name, datei, aendern] : faelle) {
        Zustand erwartet = vollerZustand();
        aendern(erwartet);
        EXPECT_EQ(zustandLesen(datei), erwartet) << name;
    }
}

TEST(EigeneDateien, ProfilNenntNurDasEigeneLogo) {
    const QByteArray ganz = firmenprofilSchreiben(vollesProfil());
    for (const char* logo : {"../../etc/passwd", "/tmp/firmenlogo.png", "logo.gif"}) {
        Firmenprofil erwartet = vollesProfil();
        erwartet.logo.clear();
        EXPECT_EQ(firmenprofilLesen(mit(ganz, "logo", logo)), erwartet) << logo;
    }
    Firmenprofil ohneBriefkopf = vollesProfil();
    ohneBriefkopf.briefkopf.clear();
    EXPECT_EQ(firmenprofilLesen(mit(ganz, "briefkopf", QJsonArray{"Zeile", 2})), ohneBriefkopf);
}

TEST(EigeneDateien, WiederherstellungNimmtDasZeugnisGanzOderGarNicht) {
    Wiederherstellung w;
    w.zeugnis.daten = anfangsdaten();
    w.reiter = {12, 1};
    w.offeneDatei = "/a.zeugnis";
    const QByteArray ganz = wiederherstellungSchreiben(w);

    QJsonObject zeugnis = QJsonDocument::fromJson(ganz).object()["zeugnis"].toObject();
    zeugnis["anrede"] = "Herrn";
    EXPECT_FALSE(wiederherstellungLesen(mit(ganz, "zeugnis", zeugnis)));
    EXPECT_FALSE(wiederherstellungLesen(ganz.left(ganz.size() - 3)));

    const auto ohneReiter = wiederherstellungLesen(mit(ganz, "reiter", QJsonObject{{"unten", 13}}));
    ASSERT_TRUE(ohneReiter);
    EXPECT_EQ(ohneReiter->reiter, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(ohneReiter->offeneDatei, w.offeneDatei);
}
