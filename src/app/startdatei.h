#pragma once

#include <QString>

namespace velmora {

class Plattform;
class frmzg;

// Puts the reference of a file named on the command line into the window, after everything
// else the start restores. A file that cannot be read whole is reported and changes nothing.
void startdateiOeffnen(frmzg& fenster, Plattform& plattform, const QString& pfad);

} // namespace velmora
