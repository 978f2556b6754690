#pragma once

#include "compose/zeugnisdaten.h"

#include <QStringList>

#include <string>
#include <vector>

namespace velmora {

// A box of the window the user writes a reference's text in: its name as the user knows it,
// its text, the tab of the upper strip that holds it, and whether it holds one line (and so at
// most `feldlaenge` characters).
struct Textfeld {
    QString name;
    std::string text;
    int reiter;
    bool einzeilig;
};

// The boxes of a reference in the window's order.
std::vector<Textfeld> textfelder(const Zeugnisdaten& daten);

// The one-line boxes whose text is longer than the window's boxes hold. A file may hold more:
// a script wrote it, or another program; the command line takes every text whole.
QStringList zuLangeFelder(const Zeugnisdaten& daten);

} // namespace velmora
