#pragma once

#include "platform/plattform.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdio>
#include <optional>
#include <utility>

// The file operations of the platform layer on the real file system, shared by the program
// and by the recording fake of the tests. Each is described at its place in Plattform.
namespace velmora::dateischicht {

// An open file, closed when it goes out of scope.
class Deskriptor {
public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : fd(fd) {}
    Deskriptor(Deskriptor&& anderer) noexcept : fd(std::exchange(anderer.fd, -1)) {}
    Deskriptor& operator=(Deskriptor&& anderer) noexcept {
        std::swap(fd, anderer.fd);
        return *this;
    }
    ~Deskriptor();
    // close(2) can report a write that failed late, so it is checked where data was written.
    bool schliessen();
    int fd = -1;
};

// rename(2); tests hand in one that fails, to see the last step of a replace go wrong.
using Umbenennen = int (*)(const char* alt, const char* neu);

std::optional<QByteArray> lesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                QString* fehler = nullptr);
bool ersetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler,
              Umbenennen umbenennen = ::rename);
Neuanlage neuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler);
bool vorhanden(const QString& pfad, Dateiart art);
bool loeschen(const QString& pfad, QString* fehler);

// What taking a lock came to: taken, held by a process that lives, kept out by an entry that
// is no ordinary file (a folder, a link, a FIFO), or another error.
enum class Sperre { Genommen, Besetzt, Verstellt, Fehler };
// Locks one of the program's own files, created empty when missing, for as long as `sperre`
// stays open: the kernel lets go at any end of the process, a crash included, so no lock
// outlives its owner.
Sperre sperren(const QString& pfad, Deskriptor& sperre, QString* fehler,
               Dateiart art = Dateiart::Eigen);
// Takes the lock of a team folder (teamsperrdatei), trying again while another holds it for
// up to `wartezeit`, and records `ich` in the lock file once it is taken.
Sperrversuch teamSperren(const QString& ordner, const Sperrvermerk& ich,
                         std::chrono::milliseconds wartezeit);
// This process's user and computer, now: what a lock records.
Sperrvermerk arbeitsplatz();
// Creates the folder (with its parents) unless it exists; false when it cannot.
bool ordnerSichern(const QString& pfad);

} // namespace velmora::dateischicht
