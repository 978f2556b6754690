#pragma once

#include "storage/zeugnisdatei.h"

#include <QString>

namespace velmora {

class Plattform;

// The reference in a file named on the command line: a reference file or a settings file,
// as the window would hold it.
Zeugnislesung zeugnisLaden(Plattform& plattform, const QString& pfad);

// The reference the window last held: the data folder's settings file as the window loads it,
// with the parts beyond its 101 lines from the state file. No handover file is taken and no
// recovery file read, so that this works beside a running window.
Zeugnislesung zuletztBearbeitet(Plattform& plattform);

} // namespace velmora
