#include "platform/dateigrund.h"

#include <array>
#include <cerrno>

namespace velmora {

namespace {

struct Gruende {
    const char* grund;   // after the path
    const char* meldung; // a sentence of its own; nullptr: the caller's frame
};

constexpr std::array<Gruende, 4> haeufige = {{
    {"Die Datei gibt es nicht.", "Die Datei „%1“ gibt es nicht."},
    {"Dort steht ein Ordner, keine Datei.", "„%1“ ist ein Ordner, keine Datei."},
    {"Keine Berechtigung.", "Keine Berechtigung für „%1“."},
    {"Auf dem Datenträger ist kein Platz mehr.", nullptr},
}};

struct Systemfehler {
    int nummer;
    const char* grund;
};

// The rarer ones; what is not here is named by its number.
constexpr std::array<Systemfehler, 11> seltene = {{
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner."},
    {ENAMETOOLONG, "Der Name ist zu lang."},
    {EROFS, "Der Datenträger ist schreibgeschützt."},
    {EIO, "Der Datenträger meldet einen Lesefehler oder Schreibfehler."},
    {EMFILE, "Es sind zu viele Dateien geöffnet."},
    {ENFILE, "Es sind zu viele Dateien geöffnet."},
    {EBUSY, "Die Datei wird gerade verwendet."},
    {ETXTBSY, "Die Datei wird gerade verwendet."},
    {EEXIST, "Die Datei gibt es schon."},
    {EFBIG, "Die Datei ist zu groß für das erlaubte Dateigrößenlimit."},
    {EBADF, "Der Ausgabekanal ist geschlossen."},
}};

} // namespace

QString dateigrund(Dateigrund grund) {
    return QString::fromUtf8(haeufige[static_cast<int>(grund)].grund);
}

QString systemgrund(int fehlernummer, bool schreibend) {
    switch (fehlernummer) {
    case ENOENT:
        return schreibend ? QStringLiteral("Den Ordner dafür gibt es nicht.")
                          : dateigrund(Dateigrund::Fehlt);
    case EISDIR:
        return dateigrund(Dateigrund::Ordner);
    case EACCES:
    case EPERM:
        return dateigrund(Dateigrund::Berechtigung);
    case ENOSPC:
    case EDQUOT:
        return dateigrund(Dateigrund::Voll);
    default:
        break;
    }
    for (const Systemfehler& fehler : seltene) {
        if (fehler.nummer == fehlernummer) {
            return QString::fromUtf8(fehler.grund);
        }
    }
    return QStringLiteral("Das System meldet den Fehler Nummer %1.").arg(fehlernummer);
}

QString dateimeldung(const QString& rahmen, const QString& pfad, const QString& grund) {
    for (const Gruende& haeufig : haeufige) {
        if (haeufig.meldung && grund == QString::fromUtf8(haeufig.grund)) {
            return QString::fromUtf8(haeufig.meldung).arg(pfad);
        }
    }
    return rahmen.arg(pfad, grund);
}

} // namespace velmora
