#include "storage/zeugnisdatei.h"
#include "support/zufallszeugnis.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>

using namespace velmora;

namespace {

const QString dateiname = QStringLiteral("/tmp/Müller, Hans.zeugnis");

QJsonObject gueltig() {
    return zeugnisobjekt(anfangsdaten());
}

QByteArray bytes(const QJsonObject& objekt) {
    return QJsonDocument(objekt).toJson();
}

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

TEST(Zeugnisdatei, UnbekannteAngabenBleibenAufJederEbene) {
    QJsonObject objekt = gueltig();
    const std::vector<std::pair<QStringList, QJsonValue>> unbekannt = {
        {{"zukunft"}, QJsonObject{{"a", 1}}},
        {{"angaben", "titel"}, "Dr."},
        {{"bereiche", "4", "kommentar"}, "gut"},
        {{"aufgaben", "zeitraum"}, QJsonArray{1, 2}},
        {{"unterzeichner", "unterschrift"}, "scan.png"},
    };
    for (const auto& [pfad, wert] : unbekannt) {
        objekt = gesetzt(objekt, pfad, wert).toObject();
    }
    const Zeugnislesung lesung = zeugnisdateiLesen(bytes(objekt), dateiname);
    ASSERT_TRUE(lesung.datei);
    Zeugnisdaten geaendert = lesung.datei->daten;
    geaendert.text(Eingabe::Vorname) = "Erika";
    geaendert.bereich(5).note = 3;
    geaendert.unterzeichner.name = "Petra Schmidt";

    QJsonObject erwartet = zeugnisobjekt(geaendert);
    for (const auto& [pfad, wert] : unbekannt) {
        erwartet = gesetzt(erwartet, pfad, wert).toObject();
    }
    EXPECT_EQ(QJsonDocument::fromJson(zeugnisdateiSchreiben(geaendert, lesung.datei->gelesen)),
              QJsonDocument(erwartet));
}

TEST(Zeugnisdatei, FehlendeAngabenSindLeerNeuereVersionMitHinweis) {
    const Zeugnislesung leer = zeugnisdateiLesen(R"({"format": "velmora-zeugnis"})", dateiname);
    ASSERT_TRUE(leer.datei);
    EXPECT_EQ(test::felder(leer.datei->daten), test::felder(Zeugnisdaten{}));
    EXPECT_TRUE(leer.hinweis.isEmpty());
    const Zeugnislesung neuer =
        zeugnisdateiLesen(R"({"format": "velmora-zeugnis", "version": 2})", dateiname);
    ASSERT_TRUE(neuer.datei);
    EXPECT_TRUE(neuer.hinweis.startsWith("Die Datei „" + dateiname + "“ stammt aus einer neueren"));
}

TEST(Zeugnisdatei, FehlerhafteDateiWirdMitGrundAbgelehnt) {
    const auto geaendert = [](const QStringList& pfad, const QJsonValue& wert) {
        return bytes(gesetzt(gueltig(), pfad, wert).toObject());
    };
    QJsonArray zwoelf = gueltig()["bereiche"].toArray();
    zwoelf.removeLast();

    const std::vector<std::tuple<const char*, QByteArray, const char*>> faelle = {
        {"leer", "", "leer"},
        {"kein JSON", "Zeugnis von Hans", "kein gültiges JSON (ein Wert ist ungültig"},
        {"10 MB tief", QByteArray(10 << 20, '['), "zu tief verschachtelt"},
        {"Liste", "[]", "kein JSON-Objekt"},
        {"ohne Format", "{}", "„format“ ist nicht „velmora-zeugnis“"},
        {"Version als Text", geaendert({"version"}, "1"), "„version“ muss eine ganze Zahl"},
        {"Anrede Herrn", geaendert({"anrede"}, "Herrn"),
         "„anrede“ muss „Herr“, „Frau“ oder „“ sein."},
        {"Art unbekannt", geaendert({"art"}, "arbeitszeugnis"), "„art“ muss „endzeugnis“"},
        {"Angaben als Text", geaendert({"angaben"}, "Hans"), "„angaben“ muss ein Objekt sein."},
        {"Vorname als Zahl", geaendert({"angaben", "vorname"}, 7),
         "„angaben.vorname“ muss ein Text sein."},
        {"Geburtsangaben als Text", geaendert({"geburtsangaben"}, "ja"), "true oder false"},
        {"12 Bereiche", geaendert({"bereiche"}, zwoelf),
         "„bereiche“ muss eine Liste mit 13 Einträgen sein."},
        {"Bereich als Zahl", geaendert({"bereiche", "3"}, 5), "„bereiche[3]“ muss ein Objekt"},
        {"Note als Text", geaendert({"bereiche", "0", "note"}, "2"),
         "„bereiche[0].note“ muss eine ganze Zahl von 0 bis 6 sein."},
        {"Note 2,5", geaendert({"bereiche", "0", "note"}, 2.5), "bereiche[0].note"},
        {"Beendigungsgrund 4", geaendert({"bereiche", "11", "note"}, 4),
         "„bereiche[11].note“ muss eine ganze Zahl von 0 bis 3 sein."},
        {"Anzeige 3", geaendert({"bereiche", "12", "anzeige"}, 3), "bereiche[12].anzeige"},
        {"Aufgabe als Zahl", geaendert({"aufgaben", "liste"}, QJsonArray{"Einkauf", 2}),
         "„aufgaben.liste“ muss eine Liste von Texten sein."},
        {"Zusatz ppa ohne Punkt", geaendert({"unterzeichner", "zusatz"}, "ppa"),
         "„unterzeichner.zusatz“"},
    };
    for (const auto& [name, datei, grund] : faelle) {
        const Zeugnislesung lesung = zeugnisdateiLesen(datei, dateiname);
        EXPECT_FALSE(lesung.datei) << name;
        EXPECT_TRUE(lesung.fehler.startsWith("Die Datei „" + dateiname + "“ ist kein gültiges"))
            << name << ": " << lesung.fehler.toStdString();
        EXPECT_TRUE(lesung.fehler.contains(QString::fromUtf8(grund)))
            << name << ": " << lesung.fehler.toStdString();
    }
}
