#pragma once

#include <QString>

#include <optional>

class QApplication;

namespace velmora {

class Plattform;

// The program with its window, from the check for a program already running on the same data
// folder to the end with the last window; the exit status. A file named is opened at the start.
int fensterprogramm(QApplication& anwendung, Plattform& plattform,
                    const std::optional<QString>& datei);

} // namespace velmora
