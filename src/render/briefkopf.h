#pragma once

#include "output/dokumentmodell.h"
#include "storage/firmenprofil.h"

#include <QByteArray>
#include <QSize>

#include <optional>

namespace velmora {

class Plattform;

// A logo as its bytes show it: a PNG or a JPEG, whatever its file is named, with its size in
// pixels. Nothing for anything else, or a picture whose size cannot be read.
struct Logoart {
    Bildformat format;
    QSize pixel;
};
std::optional<Logoart> logoart(const QByteArray& daten);

// The company profile in the data folder: empty when there is none, and when it cannot be
// read (a note on standard error then); members it holds wrongly keep their defaults.
Firmenprofil firmenprofilLaden(Plattform& plattform);

// The letterhead of a profile on a page: its lines, and the logo it names from the data
// folder, at most 2.5 cm high and as wide as the text, its aspect kept. A logo that cannot be
// read is left out with a note on standard error.
Briefkopf briefkopf(Plattform& plattform, const Firmenprofil& profil, const Seite& seite);

} // namespace velmora
