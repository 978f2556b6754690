#pragma once

#include "platform/qtplattform.h"

#include <QTemporaryDir>

namespace velmora {

// The program's real platform layer with its data folder in a temporary folder of its own,
// so that no run of a benchmark touches the settings of the build folder; the base document is
// read beside the program, as in a run from the build folder.
class Benchplattform : public QtPlattform {
public:
    QTemporaryDir ordner;
    QString datenordner() override { return ordner.path(); }
};

} // namespace velmora
