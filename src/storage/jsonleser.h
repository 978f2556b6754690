#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// The object the bytes hold; nothing when they are no JSON object, and `fehler` then says
// why, as words that follow "Die Datei … ist kein gültiges Zeugnis: ".
std::optional<QJsonObject> jsonobjekt(const QByteArray& inhalt, QString& fehler);

// A closed set of words a member may hold, each with the value it stands for.
template <typename T, std::size_t N> using Woerter = std::array<std::pair<std::string_view, T>, N>;

// The word for a value; empty when the value has none.
template <typename T, std::size_t N> QString wortFuer(const Woerter<T, N>& woerter, const T& wert) {
    for (const auto& [wort, bedeutung] : woerter) {
        if (bedeutung == wert) {
            return QString::fromUtf8(wort);
        }
    }
    return {};
}

// Reads the members of one JSON object into the program's values. A missing member leaves
// its value alone (the default); so does a member that is not as the format says, and the
// first such member is described in German in the shared `fehler`. A strict reader refuses
// the file when `fehler` is set, a tolerant one keeps what could be read.
class Jsonleser {
public:
    // `ort` names the object in messages: "" for the file itself, "angaben", "bereiche[3]".
    Jsonleser(QJsonObject objekt, QString ort, QString& fehler)
        : objekt(std::move(objekt)), ort(std::move(ort)), fehler(&fehler) {}

    void text(const char* name, std::string& ziel);
    void text(const char* name, QString& ziel);
    void texte(const char* name, std::vector<std::string>& ziel);
    void texte(const char* name, QStringList& ziel);
    void schalter(const char* name, bool& ziel);
    void ganzzahl(const char* name, int kleinster, int groesster, int& ziel);
    void ganzzahl(const char* name, int kleinster, int groesster, std::optional<int>& ziel);
    // An object the program keeps as it is, without looking into its members.
    void freiesObjekt(const char* name, QJsonObject& ziel);

    template <typename T, std::size_t N, typename Ziel>
    void auswahl(const char* name, const Woerter<T, N>& woerter, Ziel& ziel) {
        const QJsonValue wert = objekt.value(QLatin1String(name));
        if (wert.isUndefined()) {
            return;
        }
        QStringList erlaubt;
        for (const auto& [wort, bedeutung] : woerter) {
            const QString text = QString::fromUtf8(wort);
            if (wert.isString() && wert.toString() == text) {
                ziel = bedeutung;
                return;
            }
            erlaubt.append(QStringLiteral("„%1“").arg(text));
        }
        falsch(name, einesVon(erlaubt));
    }

    // The member as an object to read on; nothing when it is missing or no object.
    std::optional<Jsonleser> unterobjekt(const char* name);
    // The member as a list of `anzahl` entries; nothing when it is missing or not that.
    std::optional<QJsonArray> liste(const char* name, qsizetype anzahl);
    // Entry `index` of the list `name` of this object as an object to read on.
    std::optional<Jsonleser> eintrag(const char* name, const QJsonArray& liste, qsizetype index);

private:
    // Notes that the member is there but not what the format asks: "„note“ muss … sein."
    void falsch(const QString& name, const QString& erwartet);
    void falsch(const char* name, const QString& erwartet) {
        falsch(QLatin1String(name), erwartet);
    }
    static QString einesVon(const QStringList& moeglich);
    QString pfad(const QString& name) const;
    std::optional<QStringList> textliste(const char* name);
    std::optional<int> zahl(const char* name, int kleinster, int groesster);
    // The value of a present member of the right kind, else nothing (a wrong one is noted).
    std::optional<QJsonValue> vorhanden(const char* name, bool (QJsonValue::*art)() const,
                                        const QString& erwartet);

    QJsonObject objekt;
    QString ort;
    QString* fehler;
};

} // namespace velmora
