#pragma once

#include "compose/zeugnisdaten.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

// What the main window knows beyond its controls: the reference file it holds and the
// program's own files around it.
struct Sitzung {
    QString offeneDatei; // the reference file the window holds, empty when none
    // What that file held: its members unknown to this version are written back when it is
    // saved again.
    QJsonObject gelesen;
    // The reference as the file holds it, to tell unsaved changes; nothing when the window
    // took changes over from the recovery file that the file does not hold.
    std::optional<Zeugnisdaten> gespeichert;
    QStringList zuletztGeoeffnet; // the newest first
    // The hash of a handover file taken over that could not be deleted, so that it is not
    // taken a second time over later edits.
    QString uebergabe;
    QJsonObject vorlieben; // kept for zustand.json as it was read
    // The analysis window's size as read, until the window is made.
    std::optional<QSize> analysegroesse;
    // The recovery file is written from the end of the start on.
    bool sichern = false;
    // The last reason the recovery file could not be written, said once until it works again.
    QString sicherungsfehler;
    // What the recovery file holds as this run wrote it: the same state is not written again.
    // Nothing when the last write failed or the file was removed.
    std::optional<QByteArray> gesichert;
};

} // namespace velmora
