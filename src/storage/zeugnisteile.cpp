#include "storage/zeugnisteile.h"

#include <QJsonArray>

#include <algorithm>

namespace velmora {

namespace {

constexpr Woerter<std::string_view, 3> zusaetze = {
    {{"", ""}, {"i. V.", "i. V."}, {"ppa.", "ppa."}}};

} // namespace

Zeugniszusatz zusatzVon(const Zeugnisdaten& daten) {
    Zeugniszusatz zusatz{daten.art, daten.geburtsangaben, daten.aufgaben, daten.unterzeichner};
    for (int i = 0; i < anzahlBereiche; ++i) {
        zusatz.formulierungen[i] = daten.bereiche[i].formulierung;
    }
    return zusatz;
}

void zusatzEinsetzen(const Zeugniszusatz& zusatz, Zeugnisdaten& daten) {
    daten.art = zusatz.art;
    daten.geburtsangaben = zusatz.geburtsangaben;
    daten.aufgaben = zusatz.aufgaben;
    daten.unterzeichner = zusatz.unterzeichner;
    for (int i = 0; i < anzahlBereiche; ++i) {
        daten.bereiche[i].formulierung = zusatz.formulierungen[i];
    }
}

namespace {

void formulierungenLesen(Jsonleser& leser, std::array<int, anzahlBereiche>& formulierungen) {
    const auto liste = leser.liste("bereiche", anzahlBereiche);
    if (!liste) {
        return;
    }
    for (int i = 0; i < anzahlBereiche; ++i) {
        if (auto eintrag = leser.eintrag("bereiche", *liste, i)) {
            eintrag->ganzzahl("formulierung", 1, anzahlFormulierungen, formulierungen[i]);
        }
    }
}

// Only a phrasing other than the library's is written, so that a reference that keeps the
// library's texts is written byte for byte as before.
void formulierungenSchreiben(const std::array<int, anzahlBereiche>& formulierungen,
                             QJsonObject& objekt) {
    QJsonArray bereiche = objekt.value(QStringLiteral("bereiche")).toArray();
    if (bereiche.isEmpty() && std::ranges::all_of(formulierungen, [](int f) { return f == 1; })) {
        return;
    }
    for (int i = 0; i < anzahlBereiche; ++i) {
        QJsonObject bereich = bereiche.at(i).toObject();
        if (formulierungen[i] == 1) {
            bereich.remove(QStringLiteral("formulierung"));
        } else {
            bereich[QStringLiteral("formulierung")] = formulierungen[i];
        }
        if (i < bereiche.size()) {
            bereiche.replace(i, bereich);
        } else {
            bereiche.append(bereich);
        }
    }
    objekt[QStringLiteral("bereiche")] = bereiche;
}

} // namespace

void zusatzLesen(Jsonleser& leser, Zeugniszusatz& zusatz) {
    leser.auswahl("art", zeugnisartnamen, zusatz.art);
    leser.schalter("geburtsangaben", zusatz.geburtsangaben);
    if (auto aufgaben = leser.unterobjekt("aufgaben")) {
        aufgaben->text("bereich", zusatz.aufgaben.bereich);
        aufgaben->texte("liste", zusatz.aufgaben.liste);
        aufgaben->text("erfolge", zusatz.aufgaben.erfolge);
    }
    if (auto unterzeichner = leser.unterobjekt("unterzeichner")) {
        unterzeichnerLesen(*unterzeichner, zusatz.unterzeichner);
    }
    formulierungenLesen(leser, zusatz.formulierungen);
}

void zusatzSchreiben(const Zeugniszusatz& zusatz, QJsonObject& objekt) {
    objekt[QStringLiteral("art")] = wortFuer(zeugnisartnamen, zusatz.art);
    objekt[QStringLiteral("geburtsangaben")] = zusatz.geburtsangaben;
    QJsonObject aufgaben = objekt.value(QStringLiteral("aufgaben")).toObject();
    aufgaben[QStringLiteral("bereich")] = QString::fromUtf8(zusatz.aufgaben.bereich);
    aufgaben[QStringLiteral("liste")] = textliste(zusatz.aufgaben.liste);
    aufgaben[QStringLiteral("erfolge")] = QString::fromUtf8(zusatz.aufgaben.erfolge);
    objekt[QStringLiteral("aufgaben")] = aufgaben;
    objekt[QStringLiteral("unterzeichner")] = unterzeichnerObjekt(
        zusatz.unterzeichner, objekt.value(QStringLiteral("unterzeichner")).toObject());
    formulierungenSchreiben(zusatz.formulierungen, objekt);
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

namespace {

// A member written only when it holds something.
void wennGesetzt(QJsonObject& bereich, const QString& name, const std::string& wert, bool weg) {
    if (weg) {
        bereich.remove(name);
    } else {
        bereich[name] = QString::fromStdString(wert);
    }
}

} // namespace

void eigenenTextLesen(Jsonleser& bereich, std::string& text, std::string& baustein) {
    bereich.text("text", text);
    bereich.text("baustein", baustein);
}

void eigenenTextSchreiben(const std::string& text, const std::string& baustein,
                          QJsonObject& bereich) {
    wennGesetzt(bereich, QStringLiteral("text"), text, leer(text));
    wennGesetzt(bereich, QStringLiteral("baustein"), baustein, baustein.empty());
}

} // namespace velmora
