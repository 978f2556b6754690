#pragma once

class QApplication;

namespace velmora {

class Plattform;
struct Aufruf;

// The program with its window, from the check for a program already running on the same data
// folder to the end with the last window; the exit status. A file named is opened at the start,
// in the analysis window when the call asks for it.
int fensterprogramm(QApplication& anwendung, Plattform& plattform, const Aufruf& aufruf);

} // namespace velmora
