#pragma once

#include "storage/zeugnisdatei.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace velmora {

inline constexpr char wiederherstellungsdateiname[] = "wiederherstellung.json";

// What the window holds while it runs, kept in wiederherstellung.json so that an abnormal end
// loses nothing: the whole reference as its file holds it, both strips' tabs, the open
// reference file and whether the window holds changes not saved to it.
struct Wiederherstellung {
    Zeugnisdatei zeugnis;
    std::array<int, 2> reiter{}; // untereLeiste, obereLeiste
    QString offeneDatei;
    bool geaendert = false;
};

// Tolerant: the reference is taken whole or not at all (nothing then), since a half-read one
// would overwrite good entries with empty ones; a tab, the file or the flag that cannot be
// read keeps its default.
std::optional<Wiederherstellung> wiederherstellungLesen(const QByteArray& inhalt);
QByteArray wiederherstellungSchreiben(const Wiederherstellung& wiederherstellung);

} // namespace velmora
