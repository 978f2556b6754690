#include "storage/zustand.h"

#include "compose/bewertungsbereich.h"

#include <QJsonDocument>

#include <limits>

namespace velmora {

Zustand zustandLesen(const QByteArray& inhalt) {
    Zustand zustand;
    QString fehler;
    Jsonleser leser(jsonobjekt(inhalt, fehler).value_or(QJsonObject()), {}, fehler);
    zusatzLesen(leser, zustand.zusatz);
    leser.text("datei", zustand.offeneDatei);
    leser.texte("zuletzt", zustand.zuletztGeoeffnet);
    zustand.zuletztGeoeffnet = zustand.zuletztGeoeffnet.mid(0, zuletztGeoeffneteDateien);
    leser.ganzzahl("reiter", int(angabenreiter.size()), std::numeric_limits<int>::max(),
                   zustand.obererReiter);
    leser.text("uebergabe", zustand.uebergabe);
    leser.freiesObjekt("vorlieben", zustand.vorlieben);
    return zustand;
}

QByteArray zustandSchreiben(const Zustand& zustand) {
    QJsonObject objekt;
    zusatzSchreiben(zustand.zusatz, objekt);
    objekt[QStringLiteral("datei")] = zustand.offeneDatei;
    objekt[QStringLiteral("zuletzt")] = QJsonArray::fromStringList(zustand.zuletztGeoeffnet);
    if (zustand.obererReiter) {
        objekt[QStringLiteral("reiter")] = *zustand.obererReiter;
    }
    objekt[QStringLiteral("uebergabe")] = zustand.uebergabe;
    objekt[QStringLiteral("vorlieben")] = zustand.vorlieben;
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

} // namespace velmora
