#pragma once

#include "bausteine/textbaustein.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora {

inline constexpr char textbausteindateiname[] = "textbausteine.json";

// The blocks of the data folder's file or of one another installation exported; nothing when
// the bytes are no file of blocks, and `fehler` then says so, naming the file by `name`. An
// entry that cannot be read whole is left out, counted in `ausgelassen`, so that one broken
// entry never costs the others.
struct Bausteinlesung {
    std::optional<Textbausteine> bausteine;
    QString fehler;
    int ausgelassen = 0;
};
Bausteinlesung textbausteineLesen(const QByteArray& inhalt, const QString& name);

// The data folder's file and an export are the same format.
QByteArray textbausteineSchreiben(const Textbausteine& bausteine);

// A new block's id, never given before.
std::string neueBausteinId();

} // namespace velmora
