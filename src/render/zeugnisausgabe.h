#pragma once

#include "output/basisdokument.h"
#include "output/zeugnisaufbau.h"

#include <QByteArray>

#include <memory>

namespace velmora {

class Plattform;

// What every output of one reference is made from: the document on the base document's page
// (with the letterhead of the company profile), and the base itself for the RTF.
struct Zeugnisausgabe {
    Dokumentmodell modell;
    std::shared_ptr<const Basisdokument> basis;
};

// What the documents of every reference share: the base document, whose page they all take,
// and the letterhead of the company profile on that page.
struct Ausgabegrundlage {
    std::shared_ptr<const Basisdokument> basis;
    std::shared_ptr<const Briefkopf> briefkopf;
};

// Reads the base document through the platform layer (the built-in page setup standing in,
// with a note on standard error, when it cannot be used) and the letterhead from the company
// profile.
Ausgabegrundlage ausgabegrundlageLaden(Plattform& plattform);

// The document of the inputs and the previews as they stand, on that ground.
Zeugnisausgabe zeugnisausgabe(const Ausgabegrundlage& grundlage, const Zeugnisdaten& daten,
                              const AngezeigteVorschautexte& vorschautexte);

// The documents of a reference as bytes: Zeugnis.doc (RTF) and the Word document.
QByteArray rtfAusgabe(const Zeugnisausgabe& ausgabe);
QByteArray docxAusgabe(const Zeugnisausgabe& ausgabe);

} // namespace velmora
