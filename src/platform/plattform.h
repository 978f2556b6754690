#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace velmora {

enum class Meldungssymbol { Keins, Ausruf, Information, Kritisch };

// What creating a new file came to: written, or an entry of that name was there already (a
// file, a folder, a link, even a dangling one), or another error.
enum class Neuanlage { Angelegt, Vorhanden, Fehler };

// Everything that leaves the process goes through here, so tests can record it instead.
class Plattform {
public:
    virtual ~Plattform() = default;

    // Opens an address (https:, mailto:) or a file with the desktop's default handler.
    virtual bool oeffnen(const QString& adresse) = 0;
    // Clears the clipboard, then sets the text as plain text only. False when it could not.
    virtual bool zwischenablageSetzen(const QString& text) = 0;
    virtual bool programmStarten(const QString& pfad) = 0;
    // A message box with a single OK button; returns when the user has confirmed it.
    virtual void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                         Meldungssymbol symbol) = 0;
    // A note for whoever reads standard error: what went wrong without troubling the user.
    virtual void protokoll(const QString& text) = 0;

    // The folder that holds the program.
    virtual QString programmordner() const = 0;
    // Where the settings and handover files live: the program's folder when it is writable,
    // else ~/.config/velmora (created when first asked for).
    virtual QString datenordner() = 0;
    // The user's documents folder (created if missing, else the home folder).
    virtual QString dokumentenordner() = 0;

    // File layer. `hoechstens` caps the bytes read, so no file can stall the program.
    virtual std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) = 0;
    // Replaces the file as a whole or leaves the old one untouched; `fehler` says why not.
    virtual bool dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) = 0;
    // Creates a new file and never overwrites: an entry of that name answers Vorhanden.
    virtual Neuanlage dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt,
                                      QString* fehler) = 0;
    // An ordinary file that is not hidden (name not starting with a dot); false on any error.
    virtual bool dateiVorhanden(const QString& pfad) = 0;
    virtual bool dateiLoeschen(const QString& pfad) = 0;
};

} // namespace velmora
