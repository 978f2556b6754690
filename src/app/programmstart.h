#pragma once

#include <QString>

#include <optional>

namespace velmora {

class Plattform;
class frmzg;

// What happens before the user sees the window, in this order: the publisher's page is
// opened ("Fehler!" when that fails), the last state is restored from the settings file and
// zustand.json, then from the recovery file if the last run did not end cleanly; from then on
// every change is kept in the recovery file. A handover file fills the texts, a file named on
// the command line is opened, and then the window shows.
void programmstart(frmzg& fenster, Plattform& plattform,
                   const std::optional<QString>& datei = std::nullopt);

} // namespace velmora
