#pragma once

#include "platform/registrierung.h"

#include <QString>

#include <functional>

class QWidget;

namespace velmora {

class Plattform;

// Where the system-information tool is looked for: the registry as on Windows, and on Linux
// an installed system-information program (the full path, empty when there is none).
struct Systeminfoquellen {
    Registrierung& registrierung;
    std::function<QString()> ersatzprogramm;
};

// hardinfo2, hardinfo or kinfocenter, the first found in PATH; empty when none is installed.
QString installiertesSysteminfoProgramm();

// Starts the system-information tool, or tells the user (owner `besitzer`) that there is none.
void StartSysInfo(Plattform& plattform, const Systeminfoquellen& quellen, QWidget* besitzer);

} // namespace velmora
