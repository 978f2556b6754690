#pragma once

#include "output/ablage.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

namespace velmora {

class Plattform;

// Saves a document in the user's documents folder as "Zeugnis.<endung>", else
// "Zeugnis (2).<endung>" and so on: a file already there is never replaced, since the user may
// have edited it.
Ablage imDokumentenordnerAblegen(Plattform& plattform, const QByteArray& inhalt,
                                 std::string_view endung);

// Saves a document under the path the user named, over what is there. Nothing on success,
// else the message that says why not.
std::optional<QString> unterPfadAblegen(Plattform& plattform, const QString& pfad,
                                        const QByteArray& inhalt);

} // namespace velmora
