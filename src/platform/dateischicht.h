#pragma once

#include "platform/plattform.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file operations of the platform layer on the real file system, shared by the program
// and by the recording fake of the tests.
namespace velmora::dateischicht {

std::optional<QByteArray> lesen(const QString& pfad, qint64 hoechstens);
bool ersetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler);
Neuanlage neuAnlegen(const QString& pfad, const QByteArray& inhalt, QString* fehler);
bool vorhanden(const QString& pfad);
bool loeschen(const QString& pfad);
// Creates the folder (with its parents) unless it exists; false when it cannot.
bool ordnerSichern(const QString& pfad);

} // namespace velmora::dateischicht
