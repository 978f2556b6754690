#pragma once

#include <QString>

namespace velmora {

// The causes a user meets most when a file cannot be used.
enum class Dateigrund { Fehlt, Ordner, Berechtigung, Voll };

// The reason the file layer gives for a common cause, shown after the path.
QString dateigrund(Dateigrund grund);

// The reason for a system error number, in German whatever the locale. A missing entry is the
// file itself when reading, the folder it should go into when writing.
QString systemgrund(int fehlernummer, bool schreibend);

// What to tell the user about a file that could not be used: for a missing file, a folder and
// a refused access a sentence of its own that names the file, else `rahmen` with the path (%1)
// and the reason (%2).
QString dateimeldung(const QString& rahmen, const QString& pfad, const QString& grund);

} // namespace velmora
