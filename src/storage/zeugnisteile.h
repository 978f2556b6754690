#pragma once

#include "compose/zeugnisdaten.h"
#include "storage/jsonleser.h"

#include <QJsonObject>

namespace velmora {

// The kinds of reference as the program's files name them.
inline constexpr Woerter<Zeugnisart, 2> zeugnisartnamen = {{
    {"endzeugnis", Zeugnisart::Endzeugnis},
    {"zwischenzeugnis", Zeugnisart::Zwischenzeugnis},
}};

// The parts of a reference that the settings file's 101 lines cannot hold.
struct Zeugniszusatz {
    Zeugnisart art = Zeugnisart::Endzeugnis;
    bool geburtsangaben = true;
    Aufgaben aufgaben;
    Unterzeichner unterzeichner;
    // The phrasing of each section; index: section number - 1.
    std::array<int, anzahlBereiche> formulierungen = [] {
        std::array<int, anzahlBereiche> erste{};
        erste.fill(1);
        return erste;
    }();

    bool operator==(const Zeugniszusatz&) const = default;
};

Zeugniszusatz zusatzVon(const Zeugnisdaten& daten);
void zusatzEinsetzen(const Zeugniszusatz& zusatz, Zeugnisdaten& daten);

// The members "art", "geburtsangaben", "aufgaben", "unterzeichner" and each section's
// "formulierung" in "bereiche", as the reference file and the state file both hold them.
// Writing keeps what `objekt` holds beyond them.
void zusatzLesen(Jsonleser& leser, Zeugniszusatz& zusatz);
void zusatzSchreiben(const Zeugniszusatz& zusatz, QJsonObject& objekt);

// A signatory's "name", "funktion" and "zusatz" ("", "i. V." or "ppa.").
void unterzeichnerLesen(Jsonleser& leser, Unterzeichner& unterzeichner);
QJsonObject unterzeichnerObjekt(const Unterzeichner& unterzeichner, QJsonObject objekt = {});

QJsonArray textliste(const std::vector<std::string>& texte);

// A section's own words as the member "text" of its entry in "bereiche", there only when the
// user wrote some, and the id of the text block they came from as "baustein", there only
// when they came from one.
void eigenenTextLesen(Jsonleser& bereich, std::string& text, std::string& baustein);
void eigenenTextSchreiben(const std::string& text, const std::string& baustein,
                          QJsonObject& bereich);

} // namespace velmora
