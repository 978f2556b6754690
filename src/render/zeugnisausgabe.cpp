#include "render/zeugnisausgabe.h"

#include "output/docxdokument.h"
#include "output/dokument.h"
#include "platform/plattform.h"
#include "render/briefkopf.h"
#include "storage/zeugnisvorlage.h"

namespace velmora {

Ausgabegrundlage ausgabegrundlageLaden(Plattform& plattform) {
    const Basisvorlage vorlage = basisvorlageLaden(
        plattform.programmordner(),
        {[&](const QString& pfad) { return plattform.dateiVorhanden(pfad, Dateiart::Dokument); },
         [&](const QString& pfad, qint64 hoechstens) {
             return plattform.dateiLesen(pfad, Dateiart::Dokument, hoechstens, nullptr);
         }});
    if (!vorlage.hinweis.isEmpty()) {
        plattform.protokoll(vorlage.hinweis);
    }
    return {vorlage.rtf, vorlage.seite,
            briefkopf(plattform, firmenprofilLaden(plattform), vorlage.seite)};
}

Zeugnisausgabe zeugnisausgabe(const Ausgabegrundlage& grundlage, const Zeugnisdaten& daten,
                              const AngezeigteVorschautexte& vorschautexte) {
    Zeugnisausgabe ausgabe{zeugnismodell(daten, vorschautexte, grundlage.seite), grundlage.basis};
    ausgabe.modell.briefkopf = grundlage.briefkopf;
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
