#include "storage/zeugnisvorlage.h"

#include "generated/installationsordner.h"
#include "output/basisdokument.h"
#include "output/basissuche.h"

namespace velmora {

namespace {

// A base document is a few kilobytes; anything this large is not one.
constexpr qint64 hoechstensBasis = 16 * 1024 * 1024;

} // namespace

Basisvorlage basisvorlageLaden(const QString& programmordner, const Vorlagenzugriff& zugriff) {
    Basisvorlage vorlage;
    const std::string ordner = programmordner.toStdString();
    const std::string vomProgramm = ordner + "/" + datenordnerVomProgramm;
    const auto pfad = basisdokumentSuchen(
        ordner, {vomProgramm, installierterDatenordner},
        [&](const std::string& p) { return zugriff.vorhanden(QString::fromStdString(p)); });
    if (!pfad) {
        vorlage.hinweis = QStringLiteral("Keine Vorlage temp.doc gefunden; das Dokument "
                                         "bekommt die eingebaute Seiteneinrichtung.");
        return vorlage;
    }
    std::optional<QByteArray> gelesen =
        zugriff.lesen(QString::fromStdString(*pfad), hoechstensBasis);
    if (!gelesen) {
        vorlage.hinweis = QStringLiteral("Die Vorlage „%1“ ist nicht lesbar; das Dokument "
                                         "bekommt die eingebaute Seiteneinrichtung.")
                              .arg(QString::fromStdString(*pfad));
        return vorlage;
    }
    const std::optional<Basisdokument> zerlegt =
        basisdokumentZerlegen(std::string_view(gelesen->constData(), gelesen->size()));
    if (!zerlegt) {
        vorlage.hinweis = QStringLiteral("Die Vorlage temp.doc ist kein RTF-Dokument; das "
                                         "Dokument bekommt die eingebaute Seiteneinrichtung.");
        return vorlage;
    }
    vorlage.rtf = std::move(gelesen);
    vorlage.seite = zerlegt->seite;
    return vorlage;
}

} // namespace velmora
