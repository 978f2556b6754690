#include "storage/jsonleser.h"

#include <QJsonDocument>

#include <cmath>

namespace velmora {

namespace {

const QString einText = QStringLiteral("ein Text");
const QString eineTextliste = QStringLiteral("eine Liste von Texten");
const QString einObjekt = QStringLiteral("ein Objekt");

// What went wrong in the parser's words, as the end of "kein gültiges JSON (…)".
const std::array<std::pair<QJsonParseError::ParseError, const char*>, 14> parserfehler = {{
    {QJsonParseError::UnterminatedObject, "ein Objekt ist nicht mit „}“ abgeschlossen"},
    {QJsonParseError::MissingNameSeparator, "nach einem Namen fehlt „:“"},
    {QJsonParseError::UnterminatedArray, "eine Liste ist nicht mit „]“ abgeschlossen"},
    {QJsonParseError::MissingValueSeparator, "zwischen zwei Werten fehlt „,“"},
    {QJsonParseError::IllegalValue, "ein Wert ist ungültig"},
    {QJsonParseError::TerminationByNumber, "die Daten enden mitten in einer Zahl"},
    {QJsonParseError::IllegalNumber, "eine Zahl ist ungültig"},
    {QJsonParseError::IllegalEscapeSequence, "ein Text enthält eine ungültige Escape-Sequenz"},
    {QJsonParseError::IllegalUTF8String, "ein Text ist kein gültiges UTF-8"},
    {QJsonParseError::UnterminatedString, "ein Text ist nicht mit „\"“ abgeschlossen"},
    {QJsonParseError::MissingObject, "ein Objekt fehlt"},
    {QJsonParseError::DeepNesting, "die Daten sind zu tief verschachtelt"},
    {QJsonParseError::DocumentTooLarge, "die Daten sind zu groß"},
    {QJsonParseError::GarbageAtEnd, "nach dem Ende der Daten folgen weitere Zeichen"},
}};

QString parserfehlerText(QJsonParseError::ParseError fehler) {
    for (const auto& [art, text] : parserfehler) {
        if (art == fehler) {
            return QString::fromUtf8(text);
        }
    }
    return QStringLiteral("unbekannter Fehler");
}

} // namespace

std::optional<QJsonObject> jsonobjekt(const QByteArray& inhalt, QString& fehler) {
    if (inhalt.trimmed().isEmpty()) {
        fehler = QStringLiteral("sie ist leer.");
        return std::nullopt;
    }
    QJsonParseError parser;
    const QJsonDocument dokument = QJsonDocument::fromJson(inhalt, &parser);
    if (parser.error != QJsonParseError::NoError) {
        fehler = QStringLiteral("sie enthält kein gültiges JSON (%1, an Stelle %2).")
                     .arg(parserfehlerText(parser.error))
                     .arg(parser.offset);
        return std::nullopt;
    }
    if (!dokument.isObject()) {
        fehler = QStringLiteral("sie enthält kein JSON-Objekt.");
        return std::nullopt;
    }
    return dokument.object();
}

void Jsonleser::text(const char* name, std::string& ziel) {
    if (const auto wert = vorhanden(name, &QJsonValue::isString, einText)) {
        ziel = wert->toString().toStdString();
    }
}

void Jsonleser::text(const char* name, QString& ziel) {
    if (const auto wert = vorhanden(name, &QJsonValue::isString, einText)) {
        ziel = wert->toString();
    }
}

void Jsonleser::texte(const char* name, std::vector<std::string>& ziel) {
    if (const auto texte = textliste(name)) {
        ziel.clear();
        for (const QString& text : *texte) {
            ziel.push_back(text.toStdString());
        }
    }
}

void Jsonleser::texte(const char* name, QStringList& ziel) {
    if (auto texte = textliste(name)) {
        ziel = std::move(*texte);
    }
}

void Jsonleser::schalter(const char* name, bool& ziel) {
    if (const auto wert = vorhanden(name, &QJsonValue::isBool, QStringLiteral("true oder false"))) {
        ziel = wert->toBool();
    }
}

void Jsonleser::ganzzahl(const char* name, int kleinster, int groesster, int& ziel) {
    ziel = zahl(name, kleinster, groesster).value_or(ziel);
}

void Jsonleser::ganzzahl(const char* name, int kleinster, int groesster, std::optional<int>& ziel) {
    if (const auto wert = zahl(name, kleinster, groesster)) {
        ziel = wert;
    }
}

void Jsonleser::freiesObjekt(const char* name, QJsonObject& ziel) {
    if (const auto wert = vorhanden(name, &QJsonValue::isObject, einObjekt)) {
        ziel = wert->toObject();
    }
}

std::optional<Jsonleser> Jsonleser::unterobjekt(const char* name) {
    const auto wert = vorhanden(name, &QJsonValue::isObject, einObjekt);
    if (!wert) {
        return std::nullopt;
    }
    return Jsonleser(wert->toObject(), pfad(QLatin1String(name)), *fehler);
}

std::optional<QJsonArray> Jsonleser::liste(const char* name, qsizetype anzahl) {
    const QString erwartet = QStringLiteral("eine Liste mit %1 Einträgen").arg(anzahl);
    const auto wert = vorhanden(name, &QJsonValue::isArray, erwartet);
    if (!wert) {
        return std::nullopt;
    }
    if (wert->toArray().size() != anzahl) {
        falsch(name, erwartet);
        return std::nullopt;
    }
    return wert->toArray();
}

std::optional<Jsonleser> Jsonleser::eintrag(const char* name, const QJsonArray& liste,
                                            qsizetype index) {
    const QString eintragsname = QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(index);
    if (!liste.at(index).isObject()) {
        falsch(eintragsname, einObjekt);
        return std::nullopt;
    }
    return Jsonleser(liste.at(index).toObject(), pfad(eintragsname), *fehler);
}

void Jsonleser::falsch(const QString& name, const QString& erwartet) {
    if (fehler->isEmpty()) {
        *fehler = QStringLiteral("„%1“ muss %2 sein.").arg(pfad(name), erwartet);
    }
}

QString Jsonleser::pfad(const QString& name) const {
    return ort.isEmpty() ? name : ort + '.' + name;
}

std::optional<QStringList> Jsonleser::textliste(const char* name) {
    const auto wert = vorhanden(name, &QJsonValue::isArray, eineTextliste);
    if (!wert) {
        return std::nullopt;
    }
    QStringList texte;
    for (const QJsonValue eintrag : wert->toArray()) {
        if (!eintrag.isString()) {
            falsch(name, eineTextliste);
            return std::nullopt;
        }
        texte.append(eintrag.toString());
    }
    return texte;
}

std::optional<int> Jsonleser::zahl(const char* name, int kleinster, int groesster) {
    const QString erwartet =
        QStringLiteral("eine ganze Zahl von %1 bis %2").arg(kleinster).arg(groesster);
    const auto wert = vorhanden(name, &QJsonValue::isDouble, erwartet);
    if (!wert) {
        return std::nullopt;
    }
    const double gelesen = wert->toDouble();
    if (gelesen != std::floor(gelesen) || gelesen < kleinster || gelesen > groesster) {
        falsch(name, erwartet);
        return std::nullopt;
    }
    return static_cast<int>(gelesen);
}

QString Jsonleser::einesVon(const QStringList& moeglich) {
    return moeglich.size() < 2 ? moeglich.join(QString())
                               : moeglich.mid(0, moeglich.size() - 1).join(QStringLiteral(", ")) +
                                     QStringLiteral(" oder ") + moeglich.last();
}

std::optional<QJsonValue> Jsonleser::vorhanden(const char* name, bool (QJsonValue::*art)() const,
                                               const QString& erwartet) {
    const QJsonValue wert = objekt.value(QLatin1String(name));
    if (wert.isUndefined()) {
        return std::nullopt;
    }
    if (!(wert.*art)()) {
        falsch(name, erwartet);
        return std::nullopt;
    }
    return wert;
}

} // namespace velmora
