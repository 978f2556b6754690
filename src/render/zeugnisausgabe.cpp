#include "render/zeugnisausgabe.h"

#include "output/docxdokument.h"
#include "output/dokument.h"
#include "platform/plattform.h"
#include "render/basisvorlage.h"
#include "render/briefkopf.h"
#include "render/seitensatz.h"

namespace velmora {

Ausgabegrundlage ausgabegrundlageLaden(Plattform& plattform) {
    auto basis = std::make_shared<const Basisdokument>(basisvorlageLaden(plattform));
    auto kopf = std::make_shared<const Briefkopf>(
        briefkopf(plattform, firmenprofilLaden(plattform), basis->seite));
    return {std::move(basis), std::move(kopf)};
}

Zeugnisausgabe zeugnisausgabe(const Ausgabegrundlage& grundlage, const Zeugnisdaten& daten,
                              const AngezeigteVorschautexte& vorschautexte) {
    Zeugnisausgabe ausgabe{zeugnismodell(daten, vorschautexte, grundlage.basis->seite),
                           grundlage.basis};
    ausgabe.modell.briefkopf = grundlage.briefkopf;
    return ausgabe;
}

QByteArray rtfAusgabe(const Zeugnisausgabe& ausgabe) {
    return QByteArray::fromStdString(rtfDokument(ausgabe.modell, *ausgabe.basis));
}

QByteArray docxAusgabe(const Zeugnisausgabe& ausgabe) {
    // The word processor numbers the pages itself, but only where this program's own pages are
    // more than one.
    const bool seitenzahlen = seitensatz(ausgabe.modell).seiten.size() > 1;
    return QByteArray::fromStdString(docxDokument(ausgabe.modell, seitenzahlen));
}

} // namespace velmora
