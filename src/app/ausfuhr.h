#pragma once

#include <QByteArray>

namespace velmora {

struct Aufruf;
class Plattform;

struct Ausfuhrergebnis {
    int status = 0;             // the exit status: 0, or 1 after an error
    QByteArray standardausgabe; // the path written, or the document itself
};

// The reference of the file given, else the window's last one, in the format asked: to the
// path after --ausgabe (replaced as a whole), to standard output ("-"), or else into the
// documents folder under the first free name Zeugnis.<ext>. Errors go to standard error.
Ausfuhrergebnis exportieren(const Aufruf& aufruf, Plattform& plattform);

} // namespace velmora
