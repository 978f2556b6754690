#pragma once

#include "compose/zeugnisdaten.h"
#include "output/dokumentmodell.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr char firmenprofildateiname[] = "firmenprofil.json";

// The logo is copied into the data folder under one of these names, so that a moved original
// does not lose it; the profile names no other file.
inline constexpr std::array<std::string_view, 2> logodateinamen = {"firmenlogo.png",
                                                                   "firmenlogo.jpg"};

// The logo's name for a picture in that format.
constexpr std::string_view logodateiname(Bildformat format) {
    return format == Bildformat::Png ? logodateinamen[0] : logodateinamen[1];
}

// Where a file of the profile (firmenprofil.json, the logo) lies in the data folder.
QString profilpfad(const QString& datenordner, std::string_view name);

// The largest logo read: a picture for a letterhead, never a photograph in print resolution.
inline constexpr qint64 hoechsteLogogroesse = 4 * 1024 * 1024;

// The employer's data that every new reference starts from, in firmenprofil.json.
struct Firmenprofil {
    std::string firma;
    std::vector<std::string> briefkopf; // the letterhead's lines
    std::string logo;                   // one of logodateinamen, empty without a logo
    std::string ort;                    // the place of the reference
    Unterzeichner unterzeichner;
    // The folder this clerk shares the profile, the logo and the text blocks through with the
    // team; empty: none. A setting of this installation, kept in its own profile only.
    std::string teamordner{};

    bool operator==(const Firmenprofil&) const = default;
};

// Tolerant: a member that is missing or cannot be read keeps its default, the others count.
Firmenprofil firmenprofilLesen(const QByteArray& inhalt);
QByteArray firmenprofilSchreiben(const Firmenprofil& profil);

} // namespace velmora
