#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QObject;
class QPagedPaintDevice;
class QWidget;

namespace velmora {

enum class Meldungssymbol { Keins, Ausruf, Information, Kritisch };

// What creating a new file came to: written, or an entry of that name was there already (a
// file, a folder, a link, even a dangling one), or another error.
enum class Neuanlage { Angelegt, Vorhanden, Fehler };

// Whose file a path names. The program's own files (settings, handover, state, recovery,
// company profile, logo) are read and written only when they are ordinary files, never
// through a symbolic link; one created anew holds the user's entries and is readable by the
// user alone. The files of a team folder the company profile names are kept the same way, but
// one created anew is for the folder's group as well (0660), whatever the umask. The user's
// documents may be links, which are followed.
enum class Dateiart { Eigen, Team, Dokument };

// A document for the printer: its name in the printer's queue, the paper it is laid out on,
// its number of pages, and what paints them onto a printer (false: the printer refused).
struct Druckauftrag {
    QString titel;
    QPageLayout papier;
    int seiten = 1;
    std::function<bool(QPagedPaintDevice& drucker)> zeichnen;
};

enum class Druck { Gedruckt, Abgebrochen, Fehler };

// The file in a team folder whose advisory lock (flock) every save into the folder takes; it
// records who took it last.
inline constexpr char teamsperrdatei[] = ".velmora-team.lock";

// Who holds a team folder's lock: the login name, the computer and since when.
struct Sperrvermerk {
    QString benutzer;
    QString rechner;
    QDateTime seit;
};

// A team folder's lock, held while this lives; the kernel lets go at any end of the process.
class Teamsperre {
public:
    virtual ~Teamsperre() = default;
};

// What asking for a team folder's lock came to: taken (`sperre` holds it, `vermerk` is this
// clerk as recorded), held by another (`sperre` empty, `vermerk` the holder as far as the
// file tells), or neither: the folder cannot be used, `fehler` says why.
struct Sperrversuch {
    std::unique_ptr<Teamsperre> sperre;
    Sperrvermerk vermerk;
    QString fehler;
    bool besetzt() const { return !sperre && fehler.isEmpty(); }
};

// Everything that leaves the process goes through here, so tests can record it instead.
class Plattform {
public:
    virtual ~Plattform() = default;

    // Opens an address (https:, mailto:) or a file with the desktop's default handler. The
    // answer only tells whether the handler could be asked.
    virtual bool oeffnen(const QString& adresse) = 0;
    // Opens a document with the desktop's opener without waiting for it, and calls `fertig`
    // with whether the opener reported success, while `kontext` lives.
    virtual void dokumentOeffnen(const QString& pfad, QObject* kontext,
                                 std::function<void(bool geoeffnet)> fertig) = 0;
    // Clears the clipboard, then sets the text as plain text only. False when it could not.
    virtual bool zwischenablageSetzen(const QString& text) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual QString zwischenablageText() = 0;
    virtual bool programmStarten(const QString& pfad) = 0;
    // A message box with a single OK button; returns when the user has confirmed it.
    virtual void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                         Meldungssymbol symbol) = 0;
    // A question with buttons of its own, the first the default: answers the index of the
    // button chosen, or -1 when the box was closed without a choice (Escape).
    virtual int frage(QWidget* besitzer, const QString& titel, const QString& text,
                      const QStringList& knoepfe) = 0;
    // A list with buttons below it: answers the button chosen (-1 when closed) and the entry
    // selected then (-1: none). A double-click on an entry chooses it with the first button.
    struct Listenwahl {
        int knopf = -1;
        int eintrag = -1;
    };
    virtual Listenwahl listeZeigen(QWidget* besitzer, const QString& titel, const QString& text,
                                   const QStringList& eintraege, const QStringList& knoepfe) = 0;
    // The desktop's dialogs for a file to open, starting in `ordner`, or to save, suggesting
    // `vorschlag` (a whole path); saving over an existing file is asked by the dialog itself.
    // `filter` as Qt writes it ("Zeugnisse (*.zeugnis)"). Nothing when the user cancelled.
    virtual std::optional<QString> dateiZumOeffnen(QWidget* besitzer, const QString& titel,
                                                   const QString& ordner,
                                                   const QString& filter) = 0;
    virtual std::optional<QString> dateiZumSpeichern(QWidget* besitzer, const QString& titel,
                                                     const QString& vorschlag,
                                                     const QString& filter) = 0;
    // The desktop's dialog for a folder, starting in `ordner`; nothing when cancelled.
    virtual std::optional<QString> ordnerZumWaehlen(QWidget* besitzer, const QString& titel,
                                                    const QString& ordner) = 0;
    // The print dialog, then the print on the printer chosen there.
    virtual Druck drucken(QWidget* besitzer, const Druckauftrag& auftrag) = 0;
    // The pages as the printer will print them, from where the user may print them as well.
    virtual void druckvorschau(QWidget* besitzer, const Druckauftrag& auftrag) = 0;
    // A note for whoever reads standard error: what went wrong without troubling the user.
    virtual void protokoll(const QString& text) = 0;

    // The folder that holds the program.
    virtual QString programmordner() const = 0;
    // Where the program's own files live: the program's folder when it is writable, else
    // ~/.config/velmora (created when first asked for). Chosen at the first call and kept for
    // the whole run, so that a save never moves elsewhere unnoticed. Empty when there is none.
    virtual QString datenordner() = 0;
    // The user's documents folder (created if missing, else the home folder).
    virtual QString dokumentenordner() = 0;
    // Creates a folder with its parents unless it exists; false when it cannot.
    virtual bool ordnerAnlegen(const QString& pfad) = 0;

    // File layer. Every `fehler` is a reason in German that the window can show after the
    // path. Reading: `hoechstens` caps the bytes read, so no file can stall the program.
    virtual std::optional<QByteArray> dateiLesen(const QString& pfad, Dateiart art,
                                                 qint64 hoechstens, QString* fehler) = 0;
    // Replaces the file as a whole, synced to the disk, or leaves the old one untouched. An
    // existing file keeps its mode.
    virtual bool dateiErsetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                               QString* fehler) = 0;
    // Creates a new file and never overwrites: any entry of that name, even a link that
    // points nowhere, answers Vorhanden.
    virtual Neuanlage dateiNeuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                                      QString* fehler) = 0;
    // Whether there is something to read under a name that is not hidden (not starting with a
    // dot); false on any error. A document must be an ordinary file. For the program's own
    // files any entry counts, so that a link or a folder in a file's place is read, refused and
    // reported instead of being passed over.
    virtual bool dateiVorhanden(const QString& pfad, Dateiart art) = 0;
    // Deletes one of the program's own files: an ordinary file only, never a link or anything
    // else. True when nothing of that name is left.
    virtual bool dateiLoeschen(const QString& pfad, QString* fehler) = 0;
    // The lock of a team folder, waited for at most two seconds while another holds it.
    virtual Sperrversuch teamordnerSperren(const QString& ordner) = 0;
};

// The program's own files and the references hold a few kilobytes; none larger is read, so
// that no file can stall the program.
inline constexpr qint64 hoechsteDateigroesse = 16 * 1024 * 1024;

// Where one of the program's own files lies: in the data folder, empty when there is none.
inline QString eigenerPfad(Plattform& plattform, std::string_view name) {
    const QString ordner = plattform.datenordner();
    return ordner.isEmpty() ? QString() : ordner + QLatin1Char('/') + QString::fromUtf8(name);
}

// One of the program's own files read whole, or why it cannot be read. Neither when there is
// none (no data folder, no file), which is no error: a first start has none.
struct Eigenlesung {
    std::optional<QByteArray> inhalt;
    std::optional<QString> fehler;
};
inline Eigenlesung eigeneDateiLesen(Plattform& plattform, const QString& pfad) {
    if (pfad.isEmpty() || !plattform.dateiVorhanden(pfad, Dateiart::Eigen)) {
        return {};
    }
    QString fehler;
    Eigenlesung lesung{plattform.dateiLesen(pfad, Dateiart::Eigen, hoechsteDateigroesse, &fehler),
                       std::nullopt};
    if (!lesung.inhalt) {
        lesung.fehler = fehler;
    }
    return lesung;
}

} // namespace velmora
