#pragma once

#include "compose/zeugnisdaten.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace velmora {

// The version of the reference file this program writes; a higher one is read with a notice.
inline constexpr int zeugnisformatVersion = 1;

// A reference as its file holds it. `gelesen` is the object the file held: members this
// version does not know are written back from it unchanged, at every level.
struct Zeugnisdatei {
    Zeugnisdaten daten;
    QJsonObject gelesen;
};

// A reference read whole, or else why not (`fehler`). `hinweis` is set when a file of a newer
// version could be read, `einstellungsdatei` when it was read from a settings file.
struct Zeugnislesung {
    std::optional<Zeugnisdatei> datei;
    QString fehler;
    QString hinweis;
    bool einstellungsdatei = false;
};

// A .zeugnis file read whole or not at all: no JSON, another "format", a member of the wrong
// kind or out of range refuse it. Missing members are empty. `name` names the file in the
// messages.
Zeugnislesung zeugnisdateiLesen(const QByteArray& inhalt, const QString& name);
// The same for the reference as an object within another file.
Zeugnislesung zeugnisobjektLesen(const QJsonObject& objekt, const QString& name);

// The reference as indented UTF-8 JSON, over what `gelesen` holds.
QByteArray zeugnisdateiSchreiben(const Zeugnisdaten& daten, const QJsonObject& gelesen = {});
QJsonObject zeugnisobjekt(const Zeugnisdaten& daten, QJsonObject gelesen = {});

} // namespace velmora
