#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

struct Exportformat;
class Plattform;

// What the command line asks for.
struct Aufruf {
    // Analysefenster: the window with the analysis window open, on the file given.
    enum class Art { Fenster, Analysefenster, Export, Analyse, Hilfe, Version, Fehlgebrauch };
    Art art = Art::Fenster;
    std::optional<QString> datei; // Fenster, Analysefenster, Export, Analyse: the file given
    const Exportformat* format = nullptr; // Export
    std::optional<QString> ausgabe;       // Export: after --ausgabe; "-" is standard output
    bool json = false;                    // Analyse: JSON instead of the table
    QString fehler;                       // Fehlgebrauch: what is wrong, in German
};

// The arguments after the program's name.
Aufruf aufrufLesen(const QStringList& argumente);

// True when no argument is an option of the program's own ("--…", "-h") but the analysis
// window's: then the window's toolkit takes its own options ("-platform offscreen") out first
// and the rest is read after it.
bool fuerDasFenster(const QStringList& argumente);

// Runs a call that needs no window: the help and the version on standard output, the export,
// and the usage on standard error after a wrong call. Answers the exit status: 0, 1 after an
// error, 2 after a wrong call.
int ohneFensterAusfuehren(const Aufruf& aufruf, Plattform& plattform);

} // namespace velmora
