// The reference as a document: written beside the user's other documents, then opened in the
// word processor the desktop has for it.
#include "generated/installationsordner.h"
#include "output/ablage.h"
#include "output/basissuche.h"
#include "output/dokument.h"
#include "platform/plattform.h"
#include "window/frmzg.h"

namespace velmora {

namespace {

// A base document is a few kilobytes; anything this large is not one.
constexpr qint64 hoechstensBasis = 16 * 1024 * 1024;

std::optional<QByteArray> basisdokumentLesen(Plattform& plattform) {
    const std::string programmordner = plattform.programmordner().toStdString();
    const std::string vomProgramm = programmordner + "/" + datenordnerVomProgramm;
    const auto pfad = basisdokumentSuchen(
        programmordner, {vomProgramm, installierterDatenordner}, [&](const std::string& p) {
            return plattform.dateiVorhanden(QString::fromStdString(p), Dateiart::Dokument);
        });
    if (!pfad) {
        plattform.protokoll(QStringLiteral("Keine Vorlage temp.doc gefunden; das Dokument bekommt "
                                           "die eingebaute Seiteneinrichtung."));
        return std::nullopt;
    }
    auto inhalt = plattform.dateiLesen(QString::fromStdString(*pfad), Dateiart::Dokument,
                                       hoechstensBasis, {});
    if (!inhalt) {
        plattform.protokoll(QStringLiteral("Die Vorlage „%1“ ist nicht lesbar; das Dokument "
                                           "bekommt die eingebaute Seiteneinrichtung.")
                                .arg(QString::fromStdString(*pfad)));
    }
    return inhalt;
}

} // namespace

void frmzg::zeugniserstellen() {
    eingabeAbschliessen();
    const std::optional<QByteArray> basis = basisdokumentLesen(plattform);
    const Zeugnisdokument dokument = zeugnisdokument(
        daten(), angezeigteVorschautexte(),
        basis ? std::optional<std::string_view>(std::string_view(basis->data(), basis->size()))
              : std::nullopt);
    if (basis && !dokument.basisVerwendet) {
        plattform.protokoll(QStringLiteral("Die Vorlage temp.doc ist kein RTF-Dokument; das "
                                           "Dokument bekommt die eingebaute Seiteneinrichtung."));
    }

    const QByteArray inhalt = QByteArray::fromStdString(dokument.rtf);
    const Ablage ablage =
        zeugnisAblegen(plattform.dokumentenordner().toStdString(), [&](const std::string& p) {
            const QString pfad = QString::fromStdString(p);
            QString fehler;
            switch (plattform.dateiNeuAnlegen(pfad, Dateiart::Dokument, inhalt, &fehler)) {
            case Neuanlage::Angelegt:
                return Anlegeergebnis{Anlegeergebnis::Art::Angelegt, {}};
            case Neuanlage::Vorhanden:
                return Anlegeergebnis{Anlegeergebnis::Art::Vorhanden, {}};
            case Neuanlage::Fehler:
                break;
            }
            return Anlegeergebnis{Anlegeergebnis::Art::Fehler, fehler.toStdString()};
        });
    if (!ablage.pfad) {
        plattform.meldung(this, QStringLiteral("Velmora"), QString::fromStdString(ablage.fehler),
                          Meldungssymbol::Kritisch);
        return;
    }
    const QString pfad = QString::fromStdString(*ablage.pfad);
    plattform.dokumentOeffnen(pfad, this, [this, pfad](bool geoeffnet) {
        if (!geoeffnet) {
            plattform.protokoll(QStringLiteral("Kein Programm hat „%1“ geöffnet.").arg(pfad));
        }
    });
}

} // namespace velmora
