#include "platform/dateischicht.h"

#include "platform/dateigrund.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSysInfo>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace velmora::dateischicht {

namespace {

// The program's own files and the team folder's are never reached through a link.
bool ohneVerknuepfung(Dateiart art) {
    return art != Dateiart::Dokument;
}

// The mode a new file is created with.
mode_t neuerModus(Dateiart art) {
    switch (art) {
    case Dateiart::Eigen:
        return 0600;
    case Dateiart::Team:
        return 0660;
    case Dateiart::Dokument:
        break;
    }
    return 0666;
}

// What stands in a file's place when it is no ordinary file.
struct Eintragsart {
    mode_t art;
    const char* beschreibung;
};

constexpr std::array<Eintragsart, 5> eintragsarten = {{
    {S_IFLNK, "eine symbolische Verknüpfung"},
    {S_IFIFO, "eine benannte Pipe (FIFO)"},
    {S_IFSOCK, "ein Socket"},
    {S_IFCHR, "eine Gerätedatei"},
    {S_IFBLK, "eine Gerätedatei"},
}};

// A folder is a common mistake with a short answer; a write or a delete also says that it
// left any other entry alone. The program's own files have no other place: what stands there
// has to go.
QString keineDatei(mode_t modus, const QByteArray& name, Dateiart art, bool schreibend) {
    QString was = QStringLiteral("ein Eintrag unbekannter Art");
    for (const auto& eintragsart : eintragsarten) {
        if ((modus & S_IFMT) == eintragsart.art) {
            was = QString::fromUtf8(eintragsart.beschreibung);
        }
    }
    QString grund = (modus & S_IFMT) == S_IFDIR ? dateigrund(Dateigrund::Ordner)
                    : schreibend
                        ? QStringLiteral("Dort steht %1 statt einer gewöhnlichen Datei; das "
                                         "Programm lässt den Eintrag unverändert.")
                              .arg(was)
                        : QStringLiteral("Dort steht %1 statt einer gewöhnlichen Datei.").arg(was);
    if (ohneVerknuepfung(art)) {
        grund += QStringLiteral(" Bitte den Eintrag „%1“ entfernen.").arg(QFile::decodeName(name));
    }
    return grund;
}

bool melden(QString* fehler, const QString& grund) {
    if (fehler) {
        *fehler = grund;
    }
    return false;
}

bool systemfehlerMelden(QString* fehler, bool schreibend = true) {
    return melden(fehler, systemgrund(errno, schreibend));
}

bool allesSchreiben(int fd, const QByteArray& inhalt) {
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben,
                                  static_cast<size_t>(inhalt.size() - geschrieben));
        if (n < 0 && errno != EINTR) {
            return false;
        }
        geschrieben += n > 0 ? n : 0;
    }
    return true;
}

// A device or a pipe the user names as a document takes the bytes as they come: it has no
// folder entry to be replaced.
bool stromziel(mode_t modus) {
    return S_ISCHR(modus) || S_ISFIFO(modus);
}

bool hineinschreiben(const QByteArray& name, const QByteArray& inhalt, QString* fehler) {
    Deskriptor ziel(::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    return (ziel.fd >= 0 && allesSchreiben(ziel.fd, inhalt) && ziel.schliessen()) ||
           systemfehlerMelden(fehler);
}

// Looks at the entry under the name: the link itself for the program's own files, the file it
// names for a document.
bool eintragAnsehen(const QByteArray& name, Dateiart art, struct stat& eintrag) {
    return (ohneVerknuepfung(art) ? ::lstat(name.constData(), &eintrag)
                                  : ::stat(name.constData(), &eintrag)) == 0;
}

// The file a document's link leads to, through every link on the way, even when it does not
// exist yet; the program's own files are taken as they are.
QString zielDerVerknuepfung(const QString& pfad, Dateiart art) {
    QFileInfo eintrag(pfad);
    for (int tiefe = 0; art == Dateiart::Dokument && tiefe < 40 && eintrag.isSymLink(); ++tiefe) {
        eintrag.setFile(eintrag.symLinkTarget());
    }
    return eintrag.filePath();
}

// A new temporary file beside the target, to be renamed over it.
Deskriptor temporaerAnlegen(const QString& ziel, mode_t modus, QByteArray& name) {
    const QFileInfo info(ziel);
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = QFile::encodeName(info.dir().filePath(QStringLiteral(".%1.%2").arg(
            info.fileName(), QString::number(QRandomGenerator::global()->generate(), 36))));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
        if (fd >= 0 || errno != EEXIST) {
            return Deskriptor(fd);
        }
    }
    return Deskriptor(-1);
}

// A rename is only durable once the folder that holds the name is on the disk too.
void ordnerSynchronisieren(const QString& datei) {
    const Deskriptor ordner(::open(QFile::encodeName(QFileInfo(datei).absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (ordner.fd >= 0) {
        ::fsync(ordner.fd);
    }
}

// Opens the entry under the name only when it is an ordinary file: a FIFO would wait for a
// writer, a device may act on being opened. With O_CREAT in `flags` a missing file is made.
Deskriptor gewoehnlichOeffnen(const QByteArray& name, Dateiart art, int flags, struct stat& eintrag,
                              QString* fehler) {
    const bool schreibend = (flags & O_ACCMODE) != O_RDONLY;
    const bool neu = !eintragAnsehen(name, art, eintrag);
    if (neu) {
        if (!(flags & O_CREAT) || errno != ENOENT) {
            systemfehlerMelden(fehler, schreibend);
            return Deskriptor();
        }
    } else if (!S_ISREG(eintrag.st_mode)) {
        melden(fehler, keineDatei(eintrag.st_mode, name, art, schreibend));
        return Deskriptor();
    }
    // No link is followed to one of the program's files: else any file the link names could
    // be read into them, and from there into the settings file.
    const int ohneLink = ohneVerknuepfung(art) ? O_NOFOLLOW : 0;
    Deskriptor datei(::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | ohneLink,
                            neuerModus(art)));
    if (datei.fd < 0) {
        if (errno == ELOOP) {
            melden(fehler, keineDatei(S_IFLNK, name, art, schreibend));
        } else {
            systemfehlerMelden(fehler, schreibend);
        }
        return Deskriptor();
    }
    // The entry may have been swapped since it was looked at.
    if (::fstat(datei.fd, &eintrag) != 0 || !S_ISREG(eintrag.st_mode)) {
        melden(fehler, keineDatei(eintrag.st_mode, name, art, schreibend));
        return Deskriptor();
    }
    if (neu && art == Dateiart::Team) {
        ::fchmod(datei.fd, neuerModus(art));
    }
    return datei;
}

} // namespace

Deskriptor::~Deskriptor() {
    if (fd >= 0) {
        ::close(fd);
    }
}

bool Deskriptor::schliessen() {
    return ::close(std::exchange(fd, -1)) == 0;
}

std::optional<QByteArray> lesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                QString* fehler) {
    struct stat eintrag {};
    const Deskriptor datei =
        gewoehnlichOeffnen(QFile::encodeName(pfad), art, O_RDONLY, eintrag, fehler);
    if (datei.fd < 0) {
        return std::nullopt;
    }
    QByteArray inhalt(static_cast<qsizetype>(std::min<qint64>(eintrag.st_size, hoechstens)),
                      Qt::Uninitialized);
    qsizetype gelesen = 0;
    while (gelesen < hoechstens) {
        if (gelesen == inhalt.size()) {
            inhalt.resize(std::min<qint64>(hoechstens, 2 * gelesen + 4096));
        }
        const ssize_t n =
            ::read(datei.fd, inhalt.data() + gelesen, static_cast<size_t>(inhalt.size() - gelesen));
        if (n == 0) {
            break;
        }
        if (n < 0 && errno != EINTR) {
            systemfehlerMelden(fehler, false);
            return std::nullopt;
        }
        gelesen += n > 0 ? n : 0;
    }
    inhalt.truncate(gelesen);
    return inhalt;
}

bool ersetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler,
              Umbenennen umbenennen) {
    const QString ziel = zielDerVerknuepfung(pfad, art);
    const QByteArray name = QFile::encodeName(ziel);
    struct stat eintrag {};
    // A new file of the program's own holds the user's entries: for the user's eyes alone.
    mode_t modus = neuerModus(art);
    const bool vorhanden = ::lstat(name.constData(), &eintrag) == 0;
    if (vorhanden && art == Dateiart::Dokument && stromziel(eintrag.st_mode)) {
        return hineinschreiben(name, inhalt, fehler);
    }
    if (vorhanden && !S_ISREG(eintrag.st_mode)) {
        return melden(fehler, keineDatei(eintrag.st_mode, name, art, true));
    }
    if (!vorhanden && errno != ENOENT) {
        return systemfehlerMelden(fehler);
    }
    if (vorhanden) {
        modus = eintrag.st_mode & 07777;
    }

    QByteArray temporaer;
    Deskriptor datei = temporaerAnlegen(ziel, modus, temporaer);
    if (datei.fd < 0) {
        return systemfehlerMelden(fehler);
    }
    // The umask may have narrowed the mode of the new file; the old file's mode is kept whole,
    // and a new one in a team folder stays open to the group.
    const bool geschrieben =
        allesSchreiben(datei.fd, inhalt) &&
        ((!vorhanden && art != Dateiart::Team) || ::fchmod(datei.fd, modus) == 0) &&
        ::fsync(datei.fd) == 0 && datei.schliessen();
    // The rename replaces the name itself: were a link put there meanwhile, the link goes,
    // and the file it names stays untouched.
    if (!geschrieben || umbenennen(temporaer.constData(), name.constData()) != 0) {
        const int grund = errno;
        ::unlink(temporaer.constData());
        errno = grund;
        return systemfehlerMelden(fehler);
    }
    ordnerSynchronisieren(ziel);
    return true;
}

Neuanlage neuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt, QString* fehler) {
    const QByteArray name = QFile::encodeName(pfad);
    // O_EXCL follows no link: any entry of that name, even a link pointing nowhere, is taken.
    Deskriptor datei(
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, neuerModus(art)));
    if (datei.fd < 0) {
        struct stat eintrag {};
        if (errno == EEXIST || ::lstat(name.constData(), &eintrag) == 0) {
            return Neuanlage::Vorhanden;
        }
        systemfehlerMelden(fehler);
        return Neuanlage::Fehler;
    }
    // A half-written new file is worth nothing: it goes again.
    if (!allesSchreiben(datei.fd, inhalt) || !datei.schliessen()) {
        systemfehlerMelden(fehler);
        ::unlink(name.constData());
        return Neuanlage::Fehler;
    }
    return Neuanlage::Angelegt;
}

bool vorhanden(const QString& pfad, Dateiart art) {
    struct stat eintrag {};
    return !QFileInfo(pfad).fileName().startsWith(QLatin1Char('.')) &&
           eintragAnsehen(QFile::encodeName(pfad), art, eintrag) &&
           (ohneVerknuepfung(art) || S_ISREG(eintrag.st_mode));
}

bool loeschen(const QString& pfad, QString* fehler) {
    const QByteArray name = QFile::encodeName(pfad);
    struct stat eintrag {};
    if (::lstat(name.constData(), &eintrag) != 0) {
        return errno == ENOENT || systemfehlerMelden(fehler);
    }
    if (!S_ISREG(eintrag.st_mode)) {
        return melden(fehler, keineDatei(eintrag.st_mode, name, Dateiart::Eigen, true));
    }
    return ::unlink(name.constData()) == 0 || errno == ENOENT || systemfehlerMelden(fehler);
}

Sperre sperren(const QString& pfad, Deskriptor& sperre, QString* fehler, Dateiart art) {
    struct stat eintrag {};
    const QByteArray name = QFile::encodeName(pfad);
    Deskriptor datei = gewoehnlichOeffnen(name, art, O_RDWR | O_CREAT, eintrag, fehler);
    if (datei.fd < 0) {
        return ::lstat(name.constData(), &eintrag) == 0 && !S_ISREG(eintrag.st_mode)
                   ? Sperre::Verstellt
                   : Sperre::Fehler;
    }
    if (::flock(datei.fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return Sperre::Besetzt;
        }
        systemfehlerMelden(fehler);
        return Sperre::Fehler;
    }
    sperre = std::move(datei);
    return Sperre::Genommen;
}

namespace {

class Flocksperre : public Teamsperre {
public:
    explicit Flocksperre(Deskriptor datei) : datei(std::move(datei)) {}

private:
    Deskriptor datei;
};

Sperrvermerk vermerkLesen(const QString& pfad) {
    const QJsonObject gelesen =
        QJsonDocument::fromJson(lesen(pfad, Dateiart::Team, 4096).value_or(QByteArray())).object();
    return {gelesen.value(QStringLiteral("benutzer")).toString(),
            gelesen.value(QStringLiteral("rechner")).toString(),
            QDateTime::fromString(gelesen.value(QStringLiteral("seit")).toString(), Qt::ISODate)
                .toLocalTime()};
}

// Written under the lock, so that whoever waits for it can be told who holds it; a record
// that cannot be written costs that notice only.
void vermerkSchreiben(int fd, const Sperrvermerk& vermerk) {
    const QByteArray text =
        QJsonDocument(
            QJsonObject{{QStringLiteral("benutzer"), vermerk.benutzer},
                        {QStringLiteral("rechner"), vermerk.rechner},
                        {QStringLiteral("seit"), vermerk.seit.toUTC().toString(Qt::ISODate)}})
            .toJson(QJsonDocument::Compact);
    if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0) {
        allesSchreiben(fd, text + '\n');
    }
}

} // namespace

Sperrversuch teamSperren(const QString& ordner, const Sperrvermerk& ich,
                         std::chrono::milliseconds wartezeit) {
    const QString pfad = ordner + QLatin1Char('/') + QLatin1String(teamsperrdatei);
    const auto ende = std::chrono::steady_clock::now() + wartezeit;
    Sperrversuch versuch;
    Deskriptor datei;
    Sperre stand = sperren(pfad, datei, &versuch.fehler, Dateiart::Team);
    while (stand == Sperre::Besetzt && std::chrono::steady_clock::now() < ende) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stand = sperren(pfad, datei, &versuch.fehler, Dateiart::Team);
    }
    switch (stand) {
    case Sperre::Genommen:
        vermerkSchreiben(datei.fd, ich);
        versuch.sperre = std::make_unique<Flocksperre>(std::move(datei));
        versuch.vermerk = ich;
        break;
    case Sperre::Besetzt:
        versuch.fehler.clear();
        versuch.vermerk = vermerkLesen(pfad);
        break;
    case Sperre::Verstellt:
    case Sperre::Fehler:
        // A folder that is not there (or a share not mounted) says more than its lock file that
        // cannot be made.
        if (struct stat eintrag{}; ::stat(QFile::encodeName(ordner).constData(), &eintrag) != 0 ||
                                   !S_ISDIR(eintrag.st_mode)) {
            versuch.fehler = QStringLiteral(
                "Den Ordner gibt es nicht, oder das Netzlaufwerk ist nicht verbunden.");
        } else if (versuch.fehler.isEmpty()) {
            versuch.fehler = systemgrund(EIO, true);
        }
        break;
    }
    return versuch;
}

Sperrvermerk arbeitsplatz() {
    QString benutzer = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    if (benutzer.isEmpty()) {
        const passwd* eintrag = ::getpwuid(::getuid());
        benutzer = eintrag ? QString::fromLocal8Bit(eintrag->pw_name) : QString::number(::getuid());
    }
    return {benutzer, QSysInfo::machineHostName(), QDateTime::currentDateTime()};
}

bool ordnerSichern(const QString& pfad) {
    return !pfad.isEmpty() && QDir().mkpath(pfad);
}

} // namespace velmora::dateischicht
