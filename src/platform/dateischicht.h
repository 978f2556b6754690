#pragma once

#include "platform/plattform.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>

// The file operations of the platform layer on the real file system, shared by the program
// and by the recording fake of the tests. Each is described at its place in Plattform.
namespace velmora::dateischicht {

// rename(2); tests hand in one that fails, to see the last step of a replace go wrong.
using Umbenennen = int (*)(const char* alt, const char* neu);

std::optional<QByteArray> lesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                QString* fehler = nullptr);
bool ersetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler,
              Umbenennen umbenennen = ::rename);
Neuanlage neuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler);
bool vorhanden(const QString& pfad, Dateiart art);
bool loeschen(const QString& pfad, QString* fehler);
// Nothing when the path names an ordinary file or nothing at all; else why the entry there
// (a link, a folder, a FIFO ...) is left alone.
std::optional<QString> fremderEintrag(const QString& pfad);
// Creates the folder (with its parents) unless it exists; false when it cannot.
bool ordnerSichern(const QString& pfad);

} // namespace velmora::dateischicht
