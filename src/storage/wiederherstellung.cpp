#include "storage/wiederherstellung.h"

#include "files/einstellungszeilen.h"
#include "storage/jsonleser.h"

#include <QJsonDocument>

#include <limits>

namespace velmora {

namespace {

// The tabs by strip, in the order of untereLeiste and obereLeiste.
constexpr std::array<const char*, 2> leisten = {"unten", "oben"};

} // namespace

std::optional<Wiederherstellung> wiederherstellungLesen(const QByteArray& inhalt) {
    QString fehler;
    const QJsonObject objekt = jsonobjekt(inhalt, fehler).value_or(QJsonObject());
    Zeugnislesung zeugnis = zeugnisobjektLesen(objekt.value(QStringLiteral("zeugnis")).toObject(),
                                               QString::fromUtf8(wiederherstellungsdateiname));
    if (!zeugnis.datei) {
        return std::nullopt;
    }
    Wiederherstellung wiederherstellung;
    wiederherstellung.zeugnis = std::move(*zeugnis.datei);
    Jsonleser leser(objekt, {}, fehler);
    if (auto reiter = leser.unterobjekt("reiter")) {
        reiter->ganzzahl(leisten[untereLeiste], 0, reiterJeLeiste[untereLeiste] - 1,
                         wiederherstellung.reiter[untereLeiste]);
        // The upper strip grows with new tabs; the window knows how many it has.
        reiter->ganzzahl(leisten[obereLeiste], 0, std::numeric_limits<int>::max(),
                         wiederherstellung.reiter[obereLeiste]);
    }
    leser.text("datei", wiederherstellung.offeneDatei);
    leser.schalter("geaendert", wiederherstellung.geaendert);
    return wiederherstellung;
}

QByteArray wiederherstellungSchreiben(const Wiederherstellung& wiederherstellung) {
    QJsonObject reiter;
    for (int leiste : {untereLeiste, obereLeiste}) {
        reiter[QLatin1String(leisten[leiste])] = wiederherstellung.reiter[leiste];
    }
    QJsonObject objekt;
    objekt[QStringLiteral("zeugnis")] =
        zeugnisobjekt(wiederherstellung.zeugnis.daten, wiederherstellung.zeugnis.gelesen);
    objekt[QStringLiteral("reiter")] = reiter;
    objekt[QStringLiteral("datei")] = wiederherstellung.offeneDatei;
    objekt[QStringLiteral("geaendert")] = wiederherstellung.geaendert;
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

} // namespace velmora
