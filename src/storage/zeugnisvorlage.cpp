#include "storage/zeugnisvorlage.h"

#include "generated/installationsordner.h"
#include "output/basissuche.h"
#include "output/dokument.h"

namespace velmora {

namespace {

// A base document is a few kilobytes; anything this large is not one.
constexpr qint64 hoechstensBasis = 16 * 1024 * 1024;

} // namespace

Vorlagendokument zeugnisdokumentErstellen(const Zeugnisdaten& daten,
                                          const AngezeigteVorschautexte& vorschautexte,
                                          const QString& programmordner,
                                          const Vorlagenzugriff& zugriff) {
    Vorlagendokument ergebnis;
    const std::string ordner = programmordner.toStdString();
    const std::string vomProgramm = ordner + "/" + datenordnerVomProgramm;
    const auto pfad = basisdokumentSuchen(
        ordner, {vomProgramm, installierterDatenordner},
        [&](const std::string& p) { return zugriff.vorhanden(QString::fromStdString(p)); });
    std::optional<QByteArray> basis;
    if (!pfad) {
        ergebnis.hinweis = QStringLiteral("Keine Vorlage temp.doc gefunden; das Dokument "
                                          "bekommt die eingebaute Seiteneinrichtung.");
    } else if (basis = zugriff.lesen(QString::fromStdString(*pfad), hoechstensBasis); !basis) {
        ergebnis.hinweis = QStringLiteral("Die Vorlage „%1“ ist nicht lesbar; das Dokument "
                                          "bekommt die eingebaute Seiteneinrichtung.")
                               .arg(QString::fromStdString(*pfad));
    }
    const Zeugnisdokument dokument = zeugnisdokument(
        daten, vorschautexte,
        basis ? std::optional<std::string_view>(std::string_view(basis->data(), basis->size()))
              : std::nullopt);
    if (basis && !dokument.basisVerwendet) {
        ergebnis.hinweis = QStringLiteral("Die Vorlage temp.doc ist kein RTF-Dokument; das "
                                          "Dokument bekommt die eingebaute Seiteneinrichtung.");
    }
    ergebnis.rtf = QByteArray::fromStdString(dokument.rtf);
    return ergebnis;
}

} // namespace velmora
