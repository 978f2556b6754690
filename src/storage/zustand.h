#pragma once

#include "storage/zeugnisteile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>

namespace velmora {

inline constexpr char zustandsdateiname[] = "zustand.json";

// The recent-files list holds the files opened last, the newest first.
inline constexpr int zuletztGeoeffneteDateien = 8;

// What the window keeps beyond the settings file's 101 lines, in zustand.json.
struct Zustand {
    Zeugniszusatz zusatz;
    // The sections' own texts (index: section number - 1), blank for the library's.
    std::array<std::string, anzahlBereiche> eigeneTexte;
    // The text blocks they came from (Zeugnisdaten::bausteinIds).
    std::array<std::string, anzahlBereiche> bausteinIds;
    QString offeneDatei; // the reference file the window holds, empty when none
    QStringList zuletztGeoeffnet;
    // A tab of the upper strip beyond the three the settings file knows.
    std::optional<int> obererReiter;
    QString uebergabe; // the hash of the last handover file taken over
    QJsonObject vorlieben;
    // The analysis window's size as the user left it; nothing while it was never open.
    std::optional<QSize> analysefenster;

    bool operator==(const Zustand&) const = default;
};

// Tolerant: a member that is missing or cannot be read keeps its default, the others count;
// bytes that are no JSON object give the defaults.
Zustand zustandLesen(const QByteArray& inhalt);
QByteArray zustandSchreiben(const Zustand& zustand);

} // namespace velmora
