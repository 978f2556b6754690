#include "render/briefkopf.h"

#include "platform/plattform.h"
#include "storage/jsonleser.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace velmora {

namespace {

// A pixel as the screen shows it at 96 dpi; a logo is never printed larger than that.
constexpr int twipsJePixel = 15;
constexpr int hoechsteLogohoehe = 1417; // 2.5 cm

// The logo's size on the page: as on the screen, shrunk to fit the height and the text width.
std::pair<int, int> logogroesse(QSize pixel, const Seite& seite) {
    const double breite = double(pixel.width()) * twipsJePixel;
    const double hoehe = double(pixel.height()) * twipsJePixel;
    const double textbreite = std::max(seite.breite - seite.links - seite.rechts, twipsJePixel);
    const double faktor = std::min({1.0, hoechsteLogohoehe / hoehe, textbreite / breite});
    return {std::max(1, int(breite * faktor + 0.5)), std::max(1, int(hoehe * faktor + 0.5))};
}

} // namespace

std::optional<Logoart> logoart(const QByteArray& daten) {
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer);
    const QByteArray format = leser.format();
    const QSize pixel = leser.size();
    if (pixel.isEmpty() || (format != "png" && format != "jpeg")) {
        return std::nullopt;
    }
    return Logoart{format == "png" ? Bildformat::Png : Bildformat::Jpeg, pixel};
}

Firmenprofil firmenprofilLaden(Plattform& plattform) {
    const QString ordner = plattform.datenordner();
    const QString pfad = profilpfad(ordner, firmenprofildateiname);
    if (ordner.isEmpty() || !plattform.dateiVorhanden(pfad, Dateiart::Eigen)) {
        return {};
    }
    QString fehler;
    const std::optional<QByteArray> inhalt =
        plattform.dateiLesen(pfad, Dateiart::Eigen, hoechsteJsongroesse, &fehler);
    if (!inhalt) {
        plattform.protokoll(QStringLiteral("Das Firmenprofil „%1“ kann nicht gelesen werden: %2")
                                .arg(pfad, fehler));
        return {};
    }
    return firmenprofilLesen(*inhalt);
}

Briefkopf briefkopf(Plattform& plattform, const Firmenprofil& profil, const Seite& seite) {
    Briefkopf kopf{std::nullopt, profil.briefkopf};
    if (profil.logo.empty()) {
        return kopf;
    }
    const QString pfad = profilpfad(plattform.datenordner(), profil.logo);
    QString fehler;
    // One byte more than allowed tells a file that is too large from one that just fits.
    const std::optional<QByteArray> daten =
        plattform.dateiLesen(pfad, Dateiart::Eigen, hoechsteLogogroesse + 1, &fehler);
    if (daten && daten->size() > hoechsteLogogroesse) {
        fehler = QStringLiteral("Es ist größer als %1 MB.").arg(hoechsteLogogroesse >> 20);
    } else if (daten) {
        if (const std::optional<Logoart> art = logoart(*daten)) {
            const auto [breite, hoehe] = logogroesse(art->pixel, seite);
            kopf.logo = Bild{art->format, daten->toStdString(), breite, hoehe};
            return kopf;
        }
        fehler = QStringLiteral("Es ist kein Bild im Format PNG oder JPEG.");
    }
    plattform.protokoll(
        QStringLiteral("Das Logo „%1“ bleibt aus dem Briefkopf weg: %2").arg(pfad, fehler));
    return kopf;
}

} // namespace velmora
