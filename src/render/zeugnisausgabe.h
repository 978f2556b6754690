#pragma once

#include "output/zeugnisaufbau.h"

#include <QByteArray>

#include <optional>

namespace velmora {

class Plattform;

// What every output of one reference is made from: the document on the base document's page
// (with the letterhead of the company profile), and the base itself for the RTF.
struct Zeugnisausgabe {
    Dokumentmodell modell;
    std::optional<QByteArray> basis;
};

// Reads the base document through the platform layer (a note on standard error when the
// built-in page setup stands in) and the letterhead from the company profile, and builds the
// document from the inputs and the previews as they stand.
Zeugnisausgabe zeugnisausgabe(Plattform& plattform, const Zeugnisdaten& daten,
                              const AngezeigteVorschautexte& vorschautexte);

// The documents of a reference as bytes: Zeugnis.doc (RTF) and the Word document.
QByteArray rtfAusgabe(const Zeugnisausgabe& ausgabe);
QByteArray docxAusgabe(const Zeugnisausgabe& ausgabe);

} // namespace velmora
