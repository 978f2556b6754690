#include "render/zeugnisausgabe.h"

#include "output/docxdokument.h"
#include "output/dokument.h"
#include "platform/plattform.h"
#include "render/briefkopf.h"
#include "storage/zeugnisvorlage.h"

namespace velmora {

Zeugnisausgabe zeugnisausgabe(Plattform& plattform, const Zeugnisdaten& daten,
                              const AngezeigteVorschautexte& vorschautexte) {
    const Basisvorlage vorlage = basisvorlageLaden(
        plattform.programmordner(),
        {[&](const QString& pfad) { return plattform.dateiVorhanden(pfad, Dateiart::Dokument); },
         [&](const QString& pfad, qint64 hoechstens) {
             return plattform.dateiLesen(pfad, Dateiart::Dokument, hoechstens, nullptr);
         }});
    if (!vorlage.hinweis.isEmpty()) {
        plattform.protokoll(vorlage.hinweis);
    }
    Zeugnisausgabe ausgabe{zeugnismodell(daten, vorschautexte, vorlage.seite), vorlage.rtf};
    ausgabe.modell.briefkopf = briefkopf(plattform, firmenprofilLaden(plattform), vorlage.seite);
    return ausgabe;
}

QByteArray rtfAusgabe(const Zeugnisausgabe& ausgabe) {
    return QByteArray::fromStdString(
        rtfDokument(ausgabe.modell, ausgabe.basis
                                        ? std::optional<std::string_view>(std::string_view(
                                              ausgabe.basis->constData(), ausgabe.basis->size()))
                                        : std::nullopt)
            .rtf);
}

QByteArray docxAusgabe(const Zeugnisausgabe& ausgabe) {
    return QByteArray::fromStdString(docxDokument(ausgabe.modell));
}

} // namespace velmora
