#include "storage/zustand.h"

#include "compose/bewertungsbereich.h"

#include <QJsonDocument>

#include <algorithm>
#include <limits>

namespace velmora {

Zustand zustandLesen(const QByteArray& inhalt) {
    Zustand zustand;
    QString fehler;
    Jsonleser leser(jsonobjekt(inhalt, fehler).value_or(QJsonObject()), {}, fehler);
    zusatzLesen(leser, zustand.zusatz);
    if (const auto bereiche = leser.liste("bereiche", anzahlBereiche)) {
        for (int i = 0; i < anzahlBereiche; ++i) {
            if (auto eintrag = leser.eintrag("bereiche", *bereiche, i)) {
                eigenenTextLesen(*eintrag, zustand.eigeneTexte[i], zustand.bausteinIds[i]);
            }
        }
    }
    leser.text("datei", zustand.offeneDatei);
    leser.texte("zuletzt", zustand.zuletztGeoeffnet);
    zustand.zuletztGeoeffnet = zustand.zuletztGeoeffnet.mid(0, zuletztGeoeffneteDateien);
    leser.ganzzahl("reiter", int(angabenreiter.size()), std::numeric_limits<int>::max(),
                   zustand.obererReiter);
    leser.text("uebergabe", zustand.uebergabe);
    leser.freiesObjekt("vorlieben", zustand.vorlieben);
    if (std::optional<Jsonleser> fenster = leser.unterobjekt("analysefenster")) {
        std::optional<int> breite;
        std::optional<int> hoehe;
        fenster->ganzzahl("breite", 1, std::numeric_limits<int>::max(), breite);
        fenster->ganzzahl("hoehe", 1, std::numeric_limits<int>::max(), hoehe);
        if (breite && hoehe) {
            zustand.analysefenster = QSize(*breite, *hoehe);
        }
    }
    return zustand;
}

QByteArray zustandSchreiben(const Zustand& zustand) {
    QJsonObject objekt;
    // Only once the user wrote a text of their own; the file stays as it was until then. The
    // phrasings chosen join the same entries afterwards.
    if (!std::ranges::all_of(zustand.eigeneTexte, leer)) {
        QJsonArray bereiche;
        for (int i = 0; i < anzahlBereiche; ++i) {
            QJsonObject bereich;
            eigenenTextSchreiben(zustand.eigeneTexte[i], zustand.bausteinIds[i], bereich);
            bereiche.append(bereich);
        }
        objekt[QStringLiteral("bereiche")] = bereiche;
    }
    zusatzSchreiben(zustand.zusatz, objekt);
    objekt[QStringLiteral("datei")] = zustand.offeneDatei;
    objekt[QStringLiteral("zuletzt")] = QJsonArray::fromStringList(zustand.zuletztGeoeffnet);
    if (zustand.obererReiter) {
        objekt[QStringLiteral("reiter")] = *zustand.obererReiter;
    }
    objekt[QStringLiteral("uebergabe")] = zustand.uebergabe;
    objekt[QStringLiteral("vorlieben")] = zustand.vorlieben;
    if (const std::optional<QSize> groesse = zustand.analysefenster) {
        objekt[QStringLiteral("analysefenster")] =
            QJsonObject{{QStringLiteral("breite"), groesse->width()},
                        {QStringLiteral("hoehe"), groesse->height()}};
    }
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

} // namespace velmora
