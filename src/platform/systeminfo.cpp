#include "platform/systeminfo.h"

#include "encoding/zeichensatz.h"
#include "platform/plattform.h"

#include <QStandardPaths>

#include <optional>
#include <string>

namespace velmora {

namespace {

const char* const msinfoSchluessel = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const werkzeugeSchluessel = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::optional<QString> registrierungswert(Registrierung& registrierung, const char* schluessel,
                                          const char* wertname) {
    std::string wert;
    if (!GetKeyValue(registrierung, hkeyLocalMachine, schluessel, wertname, wert)) {
        return std::nullopt;
    }
    // The ANSI registry calls answer in the Windows code page.
    return QString::fromStdString(windows1252NachUtf8(wert));
}

// The tool's path from the registry: its own entry, else MSINFO32.EXE in the shared tools folder.
std::optional<QString> msinfoPfad(Plattform& plattform, Registrierung& registrierung) {
    if (std::optional<QString> pfad = registrierungswert(registrierung, msinfoSchluessel, "PATH")) {
        return pfad;
    }
    const std::optional<QString> ordner =
        registrierungswert(registrierung, werkzeugeSchluessel, "MSINFO");
    if (!ordner) {
        return std::nullopt;
    }
    const QString pfad = *ordner + QStringLiteral("\\MSINFO32.EXE");
    if (!plattform.dateiVorhanden(pfad, Dateiart::Dokument)) {
        return std::nullopt;
    }
    return pfad;
}

} // namespace

QString installiertesSysteminfoProgramm() {
    for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter"}) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!pfad.isEmpty()) {
            return pfad;
        }
    }
    return {};
}

void StartSysInfo(Plattform& plattform, const Systeminfoquellen& quellen, QWidget* besitzer) {
    if (const std::optional<QString> pfad = msinfoPfad(plattform, quellen.registrierung)) {
        if (plattform.programmStarten(*pfad)) {
            return;
        }
    }
    const QString ersatz = quellen.ersatzprogramm ? quellen.ersatzprogramm() : QString();
    if (!ersatz.isEmpty() && plattform.programmStarten(ersatz)) {
        return;
    }
    plattform.meldung(besitzer, QStringLiteral("Velmora"),
                      QStringLiteral("Systeminformationen sind momentan nicht verfügbar"),
                      Meldungssymbol::Keins);
}

} // namespace velmora
