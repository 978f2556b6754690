#pragma once

#include "bausteine/textbaustein.h"
#include "platform/plattform.h"
#include "storage/firmenprofil.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The shared files as one of the three places holds them that a sync brings together: the
// team folder, the data folder, the copy of the folder as last read.
namespace velmora {

// A place and how its files are kept; `teamordner` is what a profile written there names as
// its team folder (the data folder's profile keeps the setting, the folder's names none).
struct Ablage {
    QString ordner;
    Dateiart art;
    QString teamordner;
};

// The company profile with its logo's bytes (empty when it names none, or none is there).
struct Profilstand {
    Firmenprofil profil;
    QByteArray logo;

    bool operator==(const Profilstand&) const = default;
};

// Reading leaves `stand` empty when the place holds no such file; false when one is there but
// cannot be read, `fehler` then names it and says why.
bool lesen(Plattform& plattform, const Ablage& ablage, std::optional<Profilstand>& stand,
           QString& fehler);
bool lesen(Plattform& plattform, const Ablage& ablage, std::optional<Textbausteine>& stand,
           QString& fehler);

// Writes what differs from what the place held: the logo before the profile that names it,
// a logo no longer named removed afterwards.
bool schreiben(Plattform& plattform, const Ablage& ablage, const Profilstand& neu,
               const std::optional<Profilstand>& bisher, QString& fehler);
bool schreiben(Plattform& plattform, const Ablage& ablage, const Textbausteine& neu,
               const std::optional<Textbausteine>& bisher, QString& fehler);

} // namespace velmora
