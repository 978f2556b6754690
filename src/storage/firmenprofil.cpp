#include "storage/firmenprofil.h"

#include "storage/jsonleser.h"
#include "storage/zeugnisteile.h"

#include <QJsonDocument>

namespace velmora {

namespace {

constexpr Woerter<std::string_view, 3> logos = {{
    {"", ""},
    {logodateinamen[0], logodateinamen[0]},
    {logodateinamen[1], logodateinamen[1]},
}};

} // namespace

QString profilpfad(const QString& datenordner, std::string_view name) {
    return datenordner + QLatin1Char('/') + QString::fromUtf8(name);
}

Firmenprofil firmenprofilLesen(const QByteArray& inhalt) {
    Firmenprofil profil;
    QString fehler;
    Jsonleser leser(jsonobjekt(inhalt, fehler).value_or(QJsonObject()), {}, fehler);
    leser.text("firma", profil.firma);
    leser.texte("briefkopf", profil.briefkopf);
    leser.auswahl("logo", logos, profil.logo);
    leser.text("ort", profil.ort);
    if (auto unterzeichner = leser.unterobjekt("unterzeichner")) {
        unterzeichnerLesen(*unterzeichner, profil.unterzeichner);
    }
    leser.text("teamordner", profil.teamordner);
    return profil;
}

QByteArray firmenprofilSchreiben(const Firmenprofil& profil) {
    QJsonObject objekt;
    objekt[QStringLiteral("firma")] = QString::fromStdString(profil.firma);
    objekt[QStringLiteral("briefkopf")] = textliste(profil.briefkopf);
    objekt[QStringLiteral("logo")] = wortFuer(logos, std::string_view(profil.logo));
    objekt[QStringLiteral("ort")] = QString::fromStdString(profil.ort);
    objekt[QStringLiteral("unterzeichner")] = unterzeichnerObjekt(profil.unterzeichner);
    if (!profil.teamordner.empty()) {
        objekt[QStringLiteral("teamordner")] = QString::fromStdString(profil.teamordner);
    }
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

} // namespace velmora
