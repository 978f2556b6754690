#pragma once

#include "output/dokumentmodell.h"
#include "platform/plattform.h"
#include "storage/firmenprofil.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace velmora {

// A logo file read through the platform layer: its bytes, and what they show (a PNG or a
// JPEG, whatever the file is named) in how many pixels, decoded. Nothing when it cannot be
// read, is too large or is no PNG or JPEG that decodes; `fehler` then says why, in German.
struct Logo {
    QByteArray daten;
    Bildformat format;
    QSize pixel;
    QImage bild;
};
std::optional<Logo> logoLesen(Plattform& plattform, const QString& pfad, Dateiart dateiart,
                              QString& fehler);

// The company profile in the data folder: empty when there is none, and when it cannot be
// read (a note on standard error then); members it holds wrongly keep their defaults.
Firmenprofil firmenprofilLaden(Plattform& plattform);

// The letterhead of a profile on a page: the employer, its lines, and the logo it names from
// the data folder, at most 2.5 cm high and as wide as the text, its aspect kept, decoded for
// the layout once. A logo that cannot be read is left out with a note on standard error.
Briefkopf briefkopf(Plattform& plattform, const Firmenprofil& profil, const Seite& seite);

} // namespace velmora
