#include "storage/textbausteine.h"

#include "compose/bewertungsbereich.h"
#include "storage/jsonleser.h"
#include "storage/zeugnisteile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

namespace velmora {

namespace {

const QString formatname = QStringLiteral("velmora-textbausteine");
constexpr int formatversion = 1;

// One entry whole, or nothing: a block without id, name, section or text is of no use.
std::optional<Textbaustein> eintragLesen(const QJsonValue& wert) {
    if (!wert.isObject()) {
        return std::nullopt;
    }
    QString fehler;
    Jsonleser leser(wert.toObject(), {}, fehler);
    Textbaustein baustein;
    leser.text("id", baustein.id);
    leser.text("name", baustein.name);
    leser.ganzzahl("bereich", 1, anzahlBereiche, baustein.bereich);
    if (baustein.bereich > 0) {
        leser.ganzzahl("note", 0, bewertungsbereich(baustein.bereich).stufen(), baustein.note);
    }
    leser.auswahl("art", zeugnisartnamen, baustein.art);
    leser.text("text", baustein.text);
    if (!fehler.isEmpty() || baustein.id.empty() || leer(baustein.name) || baustein.bereich == 0 ||
        leer(baustein.text)) {
        return std::nullopt;
    }
    return baustein;
}

Textbausteine eintraegeLesen(const QJsonObject& objekt, int& ausgelassen) {
    Textbausteine bausteine;
    for (const QJsonValue& eintrag : objekt.value(QStringLiteral("bausteine")).toArray()) {
        if (auto baustein = eintragLesen(eintrag)) {
            bausteine.push_back(std::move(*baustein));
        } else {
            ++ausgelassen;
        }
    }
    return bausteine;
}

} // namespace

Bausteinlesung textbausteineLesen(const QByteArray& inhalt, const QString& name) {
    Bausteinlesung lesung;
    QString grund;
    const std::optional<QJsonObject> objekt = jsonobjekt(inhalt, grund);
    if (objekt && objekt->value(QStringLiteral("format")) != formatname) {
        grund = QStringLiteral("„format“ ist nicht „%1“.").arg(formatname);
    }
    if (!grund.isEmpty()) {
        lesung.fehler =
            QStringLiteral("Die Datei „%1“ enthält keine Textbausteine: %2").arg(name, grund);
        return lesung;
    }
    lesung.bausteine = eintraegeLesen(*objekt, lesung.ausgelassen);
    return lesung;
}

QByteArray textbausteineSchreiben(const Textbausteine& bausteine) {
    QJsonArray liste;
    for (const Textbaustein& baustein : bausteine) {
        liste.append(QJsonObject{
            {QStringLiteral("id"), QString::fromStdString(baustein.id)},
            {QStringLiteral("name"), QString::fromStdString(baustein.name)},
            {QStringLiteral("bereich"), baustein.bereich},
            {QStringLiteral("note"), baustein.note},
            {QStringLiteral("art"), wortFuer(zeugnisartnamen, baustein.art)},
            {QStringLiteral("text"), QString::fromStdString(baustein.text)},
        });
    }
    const QJsonObject objekt{{QStringLiteral("format"), formatname},
                             {QStringLiteral("version"), formatversion},
                             {QStringLiteral("bausteine"), liste}};
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

std::string neueBausteinId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

} // namespace velmora
