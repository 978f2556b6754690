#pragma once

#include <QString>

#include <optional>

namespace velmora {

class Plattform;
class frmzg;

// arbeitszeugnis.ini in the data folder; empty when there is no data folder.
QString einstellungspfad(Plattform& plattform);

// Restores the window from arbeitszeugnis.ini. A missing file (the first start) leaves the
// window as it is; a file that exists but cannot be read (a link in its place) is reported in
// the window. What a file holds but cannot be used leaves its control alone.
void einstellungenLaden(frmzg& fenster, Plattform& plattform);

// Replaces arbeitszeugnis.ini with the window's state as a whole, or leaves the old file
// untouched. Nothing on success, else why not.
std::optional<QString> einstellungenSpeichern(const frmzg& fenster, Plattform& plattform);

} // namespace velmora
