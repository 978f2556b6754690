#pragma once

#include "compose/zeugnisdaten.h"

#include <QString>
#include <QStringList>

namespace velmora {

inline constexpr char zeugnisendung[] = ".zeugnis";

// The name a reference file is offered under: "Mustermann, Hans.zeugnis", from the employee's
// name as far as it is filled in ("Zeugnis.zeugnis" without one).
QString vorgeschlagenerDateiname(const Zeugnisdaten& daten);

// The name a document is offered under: "Zeugnis Mustermann, Hans.pdf" ("Zeugnis.pdf"
// without a name).
QString vorgeschlagenerDokumentname(const Zeugnisdaten& daten, const QString& endung);

// How the window's title and its question about unsaved changes name a reference file: its
// name without the ending.
QString dateititel(const QString& pfad);

// A reference file's path as the window keeps it: absolute, without "." and "..".
QString absoluterPfad(const QString& pfad);

// The recent-files list with `pfad` first, once, and at most as long as zustand.json keeps it.
QStringList zuletztAufgenommen(QStringList liste, const QString& pfad);

} // namespace velmora
