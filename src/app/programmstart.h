#pragma once

namespace velmora {

class Plattform;
class frmzg;

// What happens before the user sees the window, in this order: the publisher's page is
// opened ("Fehler!" when that fails), the last state is restored from the settings file,
// a handover file fills the texts, and then the window shows.
void programmstart(frmzg& fenster, Plattform& plattform);

} // namespace velmora
