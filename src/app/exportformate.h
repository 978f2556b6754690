#pragma once

#include "compose/zeugnisdaten.h"

#include <QByteArray>
#include <QStringView>

#include <array>
#include <string_view>

namespace velmora {

class Plattform;

// A format the command line exports a reference in, as the window would produce it.
struct Exportformat {
    std::string_view name;         // after --export; the file's ending: Zeugnis.<name>
    std::string_view beschreibung; // for --help
    bool mitSchriften;             // laid out with fonts: needs Qt's GUI, without a display
    // The previews are composed from the grades, as the window composes them.
    QByteArray (*erzeugen)(const Zeugnisdaten& daten, Plattform& plattform);
};

extern const std::array<Exportformat, 4> exportformate;

// Nothing when no format has that name.
const Exportformat* exportformat(QStringView name);

} // namespace velmora
