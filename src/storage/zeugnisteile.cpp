#include "storage/zeugnisteile.h"

namespace velmora {

namespace {

constexpr Woerter<Zeugnisart, 2> arten = {{
    {"endzeugnis", Zeugnisart::Endzeugnis},
    {"zwischenzeugnis", Zeugnisart::Zwischenzeugnis},
}};

constexpr Woerter<std::string_view, 3> zusaetze = {
    {{"", ""}, {"i. V.", "i. V."}, {"ppa.", "ppa."}}};

} // namespace

Zeugniszusatz zusatzVon(const Zeugnisdaten& daten) {
    return {daten.art, daten.geburtsangaben, daten.aufgaben, daten.unterzeichner};
}

void zusatzEinsetzen(const Zeugniszusatz& zusatz, Zeugnisdaten& daten) {
    daten.art = zusatz.art;
    daten.geburtsangaben = zusatz.geburtsangaben;
    daten.aufgaben = zusatz.aufgaben;
    daten.unterzeichner = zusatz.unterzeichner;
}

void zusatzLesen(Jsonleser& leser, Zeugniszusatz& zusatz) {
    leser.auswahl("art", arten, zusatz.art);
    leser.schalter("geburtsangaben", zusatz.geburtsangaben);
    if (auto aufgaben = leser.unterobjekt("aufgaben")) {
        aufgaben->text("bereich", zusatz.aufgaben.bereich);
        aufgaben->texte("liste", zusatz.aufgaben.liste);
        aufgaben->text("erfolge", zusatz.aufgaben.erfolge);
    }
    if (auto unterzeichner = leser.unterobjekt("unterzeichner")) {
        unterzeichnerLesen(*unterzeichner, zusatz.unterzeichner);
    }
}

void zusatzSchreiben(const Zeugniszusatz& zusatz, QJsonObject& objekt) {
    objekt[QStringLiteral("art")] = wortFuer(arten, zusatz.art);
    objekt[QStringLiteral("geburtsangaben")] = zusatz.geburtsangaben;
    QJsonObject aufgaben = objekt.value(QStringLiteral("aufgaben")).toObject();
    aufgaben[QStringLiteral("bereich")] = QString::fromUtf8(zusatz.aufgaben.bereich);
    aufgaben[QStringLiteral("liste")] = textliste(zusatz.aufgaben.liste);
    aufgaben[QStringLiteral("erfolge")] = QString::fromUtf8(zusatz.aufgaben.erfolge);
    objekt[QStringLiteral("aufgaben")] = aufgaben;
    objekt[QStringLiteral("unterzeichner")] = unterzeichnerObjekt(
        zusatz.unterzeichner, objekt.value(QStringLiteral("unterzeichner")).toObject());
}

void unterzeichnerLesen(Jsonleser& leser, Unterzeichner& unterzeichner) {
    leser.text("name", unterzeichner.name);
    leser.text("funktion", unterzeichner.funktion);
    leser.auswahl("zusatz", zusaetze, unterzeichner.zusatz);
}

QJsonObject unterzeichnerObjekt(const Unterzeichner& unterzeichner, QJsonObject objekt) {
    objekt[QStringLiteral("name")] = QString::fromUtf8(unterzeichner.name);
    objekt[QStringLiteral("funktion")] = QString::fromUtf8(unterzeichner.funktion);
    // Only a word the reader takes back; the window offers no other.
    objekt[QStringLiteral("zusatz")] = wortFuer(zusaetze, std::string_view(unterzeichner.zusatz));
    return objekt;
}

QJsonArray textliste(const std::vector<std::string>& texte) {
    QJsonArray liste;
    for (const std::string& text : texte) {
        liste.append(QString::fromUtf8(text));
    }
    return liste;
}

void eigenenTextSchreiben(const std::string& text, QJsonObject& bereich) {
    if (leer(text)) {
        bereich.remove(QStringLiteral("text"));
    } else {
        bereich[QStringLiteral("text")] = QString::fromStdString(text);
    }
}

} // namespace velmora
