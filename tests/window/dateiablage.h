#pragma once

#include "einstellungen.h"
#include "fakeplattform.h"

#include <QByteArray>
#include <QFile>
#include <QMetaType>
#include <QString>

#include <optional>
#include <string>

// What the window tests of the settings and handover files share: files in the fake's data
// folder, and a readable form of a window state for failing comparisons.
namespace velmora {

inline QString abgelegterPfad(const FakePlattform& plattform, const QString& name) {
    return plattform.datenordnerPfad + QLatin1Char('/') + name;
}

inline void ablegen(const FakePlattform& plattform, const QString& name, const QByteArray& inhalt) {
    QFile datei(abgelegterPfad(plattform, name));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
        qFatal("cannot put %s into the data folder", qPrintable(name));
    }
}

inline std::optional<QByteArray> abgelegt(const FakePlattform& plattform, const QString& name) {
    QFile datei(abgelegterPfad(plattform, name));
    if (!datei.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return datei.readAll();
}

inline QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// QCOMPARE shows a state as the lines of its settings file.
inline char* toString(const Einstellungen& zustand) {
    QByteArray zeilen = bytes(einstellungenSchreiben(zustand));
    zeilen.replace("\r\n", " | ");
    return qstrdup(zeilen.constData());
}

} // namespace velmora

Q_DECLARE_METATYPE(velmora::Einstellungen)
