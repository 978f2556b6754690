#include "storage/zeugnisdatei.h"

#include "compose/bewertungsbereich.h"
#include "storage/jsonleser.h"
#include "storage/zeugnisteile.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <limits>

namespace velmora {

namespace {

const QString formatname = QStringLiteral("velmora-zeugnis");

constexpr Woerter<int, 3> anreden = {{{"Herr", herr}, {"Frau", frau}, {"", keinGeschlecht}}};

// The members of "angaben", in the order of Eingabe.
constexpr std::array<const char*, anzahlEingaben> angabennamen = {
    "vorname", "name", "geburtsdatum",   "geburtsort",     "taetigkeit",
    "firma",   "ort",  "eintrittsdatum", "austrittsdatum", "datum",
};

QString abgelehnt(const QString& name, const QString& grund) {
    return QStringLiteral("Die Datei „%1“ ist kein gültiges Zeugnis: %2").arg(name, grund);
}

void bereicheLesen(Jsonleser& leser, Zeugnisdaten& daten) {
    const auto liste = leser.liste("bereiche", anzahlBereiche);
    if (!liste) {
        return;
    }
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        if (auto eintrag = leser.eintrag("bereiche", *liste, bereich.nummer - 1)) {
            Bereichsangaben& angaben = daten.bereich(bereich.nummer);
            eintrag->ganzzahl("note", 0, bereich.stufen(), angaben.note);
            eintrag->ganzzahl("anzeige", anzeigeAus, anzeigeGrau, angaben.anzeige);
            eigenenTextLesen(*eintrag, daten.eigenerText(bereich.nummer),
                             daten.bausteinIds[bereich.nummer - 1]);
        }
    }
}

} // namespace

Zeugnislesung zeugnisobjektLesen(const QJsonObject& objekt, const QString& name) {
    Zeugnislesung lesung;
    if (objekt.value(QStringLiteral("format")) != formatname) {
        lesung.fehler = abgelehnt(name, QStringLiteral("„format“ ist nicht „%1“.").arg(formatname));
        return lesung;
    }
    QString fehler;
    Jsonleser leser(objekt, {}, fehler);
    int version = zeugnisformatVersion;
    leser.ganzzahl("version", 1, std::numeric_limits<int>::max(), version);
    Zeugnisdaten daten;
    leser.auswahl("anrede", anreden, daten.geschlecht);
    if (auto angaben = leser.unterobjekt("angaben")) {
        for (int i = 0; i < anzahlEingaben; ++i) {
            angaben->text(angabennamen[i], daten.texte[i]);
        }
    }
    bereicheLesen(leser, daten);
    Zeugniszusatz zusatz;
    zusatzLesen(leser, zusatz);
    zusatzEinsetzen(zusatz, daten);

    if (!fehler.isEmpty()) {
        lesung.fehler = abgelehnt(name, fehler);
        return lesung;
    }
    if (version > zeugnisformatVersion) {
        lesung.hinweis = QStringLiteral("Die Datei „%1“ stammt aus einer neueren Version von "
                                        "Velmora (Dateiformat %2). Angaben, die diese Version "
                                        "nicht kennt, bleiben beim Speichern erhalten.")
                             .arg(name)
                             .arg(version);
    }
    lesung.datei = Zeugnisdatei{std::move(daten), objekt};
    return lesung;
}

Zeugnislesung zeugnisdateiLesen(const QByteArray& inhalt, const QString& name) {
    QString fehler;
    const auto objekt = jsonobjekt(inhalt, fehler);
    if (!objekt) {
        return {std::nullopt, abgelehnt(name, fehler), {}};
    }
    return zeugnisobjektLesen(*objekt, name);
}

QJsonObject zeugnisobjekt(const Zeugnisdaten& daten, QJsonObject objekt) {
    objekt[QStringLiteral("format")] = formatname;
    objekt[QStringLiteral("version")] = zeugnisformatVersion;
    objekt[QStringLiteral("anrede")] = wortFuer(anreden, daten.geschlecht);

    QJsonObject angaben = objekt.value(QStringLiteral("angaben")).toObject();
    for (int i = 0; i < anzahlEingaben; ++i) {
        angaben[QLatin1String(angabennamen[i])] = QString::fromStdString(daten.texte[i]);
    }
    objekt[QStringLiteral("angaben")] = angaben;

    const QJsonArray vorher = objekt.value(QStringLiteral("bereiche")).toArray();
    QJsonArray bereiche;
    for (int i = 0; i < anzahlBereiche; ++i) {
        QJsonObject bereich = vorher.at(i).toObject();
        bereich[QStringLiteral("note")] = daten.bereiche[i].note;
        bereich[QStringLiteral("anzeige")] = daten.bereiche[i].anzeige;
        eigenenTextSchreiben(daten.eigeneTexte[i], daten.bausteinIds[i], bereich);
        bereiche.append(bereich);
    }
    objekt[QStringLiteral("bereiche")] = bereiche;

    zusatzSchreiben(zusatzVon(daten), objekt);
    return objekt;
}

QByteArray zeugnisdateiSchreiben(const Zeugnisdaten& daten, const QJsonObject& gelesen) {
    return QJsonDocument(zeugnisobjekt(daten, gelesen)).toJson(QJsonDocument::Indented);
}

} // namespace velmora
