#include "render/briefkopf.h"

#include "platform/plattform.h"

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

// What the bytes show, by their content, decoded: a picture that cannot be decoded (broken,
// cut short, or beyond Qt's limit for one image) is no logo, for no document could show it.
std::optional<Logo> bildLesen(QByteArray daten, QString& fehler) {
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer);
    const QByteArray format = leser.format();
    const QSize pixel = leser.size();
    if (pixel.isEmpty() || (format != "png" && format != "jpeg")) {
        fehler = QStringLiteral("Die Datei ist kein Bild im Format PNG oder JPEG.");
        return std::nullopt;
    }
    QImage bild = leser.read();
    if (bild.isNull()) {
        fehler = QStringLiteral("Das Bild (%1 × %2 Pixel) lässt sich nicht entpacken: Es ist "
                                "beschädigt oder zu groß.")
                     .arg(pixel.width())
                     .arg(pixel.height());
        return std::nullopt;
    }
    return Logo{std::move(daten), format == "png" ? Bildformat::Png : Bildformat::Jpeg, pixel,
                std::move(bild)};
}

} // namespace

std::optional<Logo> logoLesen(Plattform& plattform, const QString& pfad, Dateiart dateiart,
                              QString& fehler) {
    // One byte more than allowed tells a file that is too large from one that just fits.
    std::optional<QByteArray> daten =
        plattform.dateiLesen(pfad, dateiart, hoechsteLogogroesse + 1, &fehler);
    if (!daten) {
        return std::nullopt;
    }
    if (daten->size() > hoechsteLogogroesse) {
        fehler = QStringLiteral("Die Datei ist größer als %1 MB.").arg(hoechsteLogogroesse >> 20);
        return std::nullopt;
    }
    return bildLesen(std::move(*daten), fehler);
}

Firmenprofil firmenprofilLaden(Plattform& plattform) {
    const QString pfad = eigenerPfad(plattform, firmenprofildateiname);
    const Eigenlesung lesung = eigeneDateiLesen(plattform, pfad);
    if (lesung.fehler) {
        plattform.protokoll(QStringLiteral("Das Firmenprofil „%1“ kann nicht gelesen werden: %2")
                                .arg(pfad, *lesung.fehler));
    }
    return lesung.inhalt ? firmenprofilLesen(*lesung.inhalt) : Firmenprofil();
}

Briefkopf briefkopf(Plattform& plattform, const Firmenprofil& profil, const Seite& seite) {
    Briefkopf kopf{std::nullopt, profil.briefkopf, profil.firma};
    if (profil.logo.empty()) {
        return kopf;
    }
    const QString pfad = profilpfad(plattform.datenordner(), profil.logo);
    QString fehler;
    if (const std::optional<Logo> logo = logoLesen(plattform, pfad, Dateiart::Eigen, fehler)) {
        const auto [breite, hoehe] = logogroesse(logo->pixel, seite);
        kopf.logo = Bild{logo->format, logo->daten.toStdString(), breite, hoehe};
        kopf.logo->entpackt = logo->bild;
    } else {
        plattform.protokoll(
            QStringLiteral("Das Logo „%1“ bleibt aus dem Briefkopf weg: %2").arg(pfad, fehler));
    }
    return kopf;
}

} // namespace velmora
