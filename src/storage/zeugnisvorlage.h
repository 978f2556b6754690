#pragma once

#include "output/dokumentmodell.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace velmora {

// How the base document is reached: through the platform layer, whose `dateiVorhanden` and
// `dateiLesen` these are.
struct Vorlagenzugriff {
    std::function<bool(const QString&)> vorhanden;
    std::function<std::optional<QByteArray>(const QString&, qint64)> lesen;
};

// The base document temp.doc every document of a reference is set on.
struct Basisvorlage {
    std::optional<QByteArray> rtf; // nothing: the built-in page setup stands in
    Seite seite;                   // its paper and margins, for every document
    // Empty, or for standard error: why the built-in page setup stood in for temp.doc.
    QString hinweis;
};

// Looks for temp.doc beside the program, else in the installed program's data folder, and
// reads it. A file that is no RTF document counts as missing.
Basisvorlage basisvorlageLaden(const QString& programmordner, const Vorlagenzugriff& zugriff);

} // namespace velmora
