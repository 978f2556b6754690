#include "render/basisvorlage.h"

#include "generated/installationsordner.h"
#include "output/basissuche.h"
#include "platform/plattform.h"

namespace velmora {

namespace {

// A base document is a few kilobytes; anything this large is not one.
constexpr qint64 hoechstensBasis = 16 * 1024 * 1024;

Basisdokument eingebaut(Plattform& plattform, const QString& grund) {
    plattform.protokoll(grund + QStringLiteral("; das Dokument bekommt die eingebaute "
                                               "Seiteneinrichtung."));
    return eingebauteBasis();
}

} // namespace

Basisdokument basisvorlageLaden(Plattform& plattform) {
    const std::string ordner = plattform.programmordner().toStdString();
    const std::string vomProgramm = ordner + "/" + datenordnerVomProgramm;
    const auto pfad = basisdokumentSuchen(
        ordner, {vomProgramm, installierterDatenordner}, [&](const std::string& p) {
            return plattform.dateiVorhanden(QString::fromStdString(p), Dateiart::Dokument);
        });
    if (!pfad) {
        return eingebaut(plattform, QStringLiteral("Keine Vorlage temp.doc gefunden"));
    }
    const QString datei = QString::fromStdString(*pfad);
    const std::optional<QByteArray> gelesen =
        plattform.dateiLesen(datei, Dateiart::Dokument, hoechstensBasis, nullptr);
    if (!gelesen) {
        return eingebaut(plattform, QStringLiteral("Die Vorlage „%1“ ist nicht lesbar").arg(datei));
    }
    std::optional<Basisdokument> zerlegt =
        basisdokumentZerlegen(std::string_view(gelesen->constData(), gelesen->size()));
    if (!zerlegt) {
        return eingebaut(plattform, QStringLiteral("Die Vorlage temp.doc ist kein RTF-Dokument"));
    }
    return std::move(*zerlegt);
}

} // namespace velmora
