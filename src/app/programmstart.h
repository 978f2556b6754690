#pragma once

#include <QString>

#include <optional>

namespace velmora {

class Plattform;
class frmzg;

// What happens before the user sees the window, in this order: the publisher's page is
// opened ("Fehler!" when that fails), the last state is restored from the settings file,
// a handover file fills the texts, a file named on the command line is opened, and then the
// window shows.
void programmstart(frmzg& fenster, Plattform& plattform,
                   const std::optional<QString>& datei = std::nullopt);

} // namespace velmora
