#include "storage/zeugnisdatei.h"
#include "support/datentabelle.h"
#include "support/zufallszeugnis.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const QString dateiname = QStringLiteral("/tmp/Müller, Hans.zeugnis");

// The value with the member at the path set; a step of digits picks an entry of a list.
QJsonValue gesetzt(const QJsonValue& ganzes, QStringList pfad, const QJsonValue& wert) {
    if (pfad.isEmpty()) {
        return wert;
    }
    const QString schritt = pfad.takeFirst();
    bool index = false;
    if (const int i = schritt.toInt(&index); index) {
        QJsonArray liste = ganzes.toArray();
        liste[i] = gesetzt(liste[i], pfad, wert);
        return liste;
    }
    QJsonObject objekt = ganzes.toObject();
    objekt[schritt] = gesetzt(objekt[schritt], pfad, wert);
    return objekt;
}

} // namespace

TEST(Zeugnisdatei, ZufallszustaendeKommenUnveraendertZurueck) {
    std::mt19937 zufall(13);
    for (int durchlauf = 0; durchlauf < 200; ++durchlauf) {
        const Zeugnisdaten daten = test::zufallszeugnis(zufall);
        const QByteArray datei = zeugnisdateiSchreiben(daten);
        const Zeugnislesung lesung = zeugnisdateiLesen(datei, dateiname);
        ASSERT_TRUE(lesung.datei) << lesung.fehler.toStdString();
        EXPECT_EQ(test::felder(lesung.datei->daten), test::felder(daten));
        EXPECT_EQ(zeugnisdateiSchreiben(lesung.datei->daten, lesung.datei->gelesen), datei);
        EXPECT_TRUE(lesung.hinweis.isEmpty());
    }
}

// Members this version does not know survive a change and a save, at every level. Missing
// members are empty; a newer version is read with a note.
TEST(Zeugnisdatei, UnbekanntesBleibtFehlendesIstLeer) {
    const std::vector<std::pair<QStringList, QJsonValue>> unbekannt = {
        {{"zukunft"}, QJsonObject{{"a", 1}}},
        {{"angaben", "titel"}, "Dr."},
        {{"bereiche", "4", "kommentar"}, "gut"},
        {{"aufgaben", "zeitraum"}, QJsonArray{1, 2}},
        {{"unterzeichner", "unterschrift"}, "scan.png"}};
    Zeugnisdaten geaendert = anfangsdaten();
    QJsonObject objekt = zeugnisobjekt(geaendert);
    geaendert.text(Eingabe::Vorname) = "Erika";
    geaendert.bereich(5).note = 3;
    geaendert.unterzeichner.name = "Petra Schmidt";
    QJsonObject erwartet = zeugnisobjekt(geaendert);
    for (const auto& [pfad, wert] : unbekannt) {
        objekt = gesetzt(objekt, pfad, wert).toObject();
        erwartet = gesetzt(erwartet, pfad, wert).toObject();
    }
    const Zeugnislesung lesung = zeugnisdateiLesen(QJsonDocument(objekt).toJson(), dateiname);
    ASSERT_TRUE(lesung.datei);
    EXPECT_EQ(QJsonDocument::fromJson(zeugnisdateiSchreiben(geaendert, lesung.datei->gelesen)),
              QJsonDocument(erwartet));

    const Zeugnislesung leer = zeugnisdateiLesen(R"({"format": "velmora-zeugnis"})", dateiname);
    ASSERT_TRUE(leer.datei);
    EXPECT_EQ(test::felder(leer.datei->daten), test::felder(Zeugnisdaten{}));
    EXPECT_TRUE(leer.hinweis.isEmpty());
    const Zeugnislesung neuer =
        zeugnisdateiLesen(R"({"format": "velmora-zeugnis", "version": 2})", dateiname);
    ASSERT_TRUE(neuer.datei);
    EXPECT_TRUE(neuer.hinweis.startsWith("Die Datei „" + dateiname + "“ stammt aus einer neueren"));
}

// Each broken file of the list beside this test, and one nested too deep, is refused with
// its reason.
TEST(Zeugnisdatei, FehlerhafteDateiWirdMitGrundAbgelehnt) {
    std::vector<std::pair<QByteArray, QString>> faelle = {
        {QByteArray(10 << 20, '['), "zu tief verschachtelt"}};
    for (const auto& zeile : test::datentabelle(VELMORA_DATEN "/kaputte_zeugnisdateien.txt")) {
        QByteArray datei = QByteArray::fromStdString(zeile.at(1));
        if (zeile[0] != "-") {
            const QJsonValue wert = QJsonDocument::fromJson("[" + datei + "]")[0];
            const QJsonValue ganzes = gesetzt(zeugnisobjekt(anfangsdaten()),
                                              QString::fromStdString(zeile[0]).split('.'), wert);
            datei = QJsonDocument(ganzes.toObject()).toJson();
        }
        faelle.emplace_back(datei, QString::fromStdString(zeile.at(2)));
    }
    for (const auto& [datei, grund] : faelle) {
        const Zeugnislesung lesung = zeugnisdateiLesen(datei, dateiname);
        EXPECT_FALSE(lesung.datei) << grund.toStdString();
        EXPECT_TRUE(lesung.fehler.startsWith("Die Datei „" + dateiname + "“ ist kein gültiges") &&
                    lesung.fehler.contains(grund))
            << grund.toStdString() << ": " << lesung.fehler.toStdString();
    }
}

// A section's own words are a member of its entry only while the user has them.
TEST(Zeugnisdatei, EigenerTextNurWennGeschrieben) {
    Zeugnisdaten daten = anfangsdaten();
    EXPECT_FALSE(zeugnisdateiSchreiben(daten).contains("\"text\""));
    daten.eigenerText(3) = "Sie lernte schnell.";
    const QJsonObject geschrieben = zeugnisobjekt(daten);
    EXPECT_EQ(geschrieben["bereiche"][2]["text"], "Sie lernte schnell.");
    daten.eigenerText(3) = " \n";
    EXPECT_FALSE(zeugnisobjekt(daten, geschrieben)["bereiche"][2].toObject().contains("text"));
}
