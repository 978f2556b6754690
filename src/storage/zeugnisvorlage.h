#pragma once

#include "output/zeugnisaufbau.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace velmora {

// How the base document is reached: through the platform layer, whose `dateiVorhanden` and
// `dateiLesen` these are.
struct Vorlagenzugriff {
    std::function<bool(const QString&)> vorhanden;
    std::function<std::optional<QByteArray>(const QString&, qint64)> lesen;
};

struct Vorlagendokument {
    QByteArray rtf;
    // Empty, or for standard error: why the built-in page setup stood in for temp.doc.
    QString hinweis;
};

// The document Zeugnis.doc: the reference written into the base document temp.doc, taken
// from beside the program, else from the installed program's data folder.
Vorlagendokument zeugnisdokumentErstellen(const Zeugnisdaten& daten,
                                          const AngezeigteVorschautexte& vorschautexte,
                                          const QString& programmordner,
                                          const Vorlagenzugriff& zugriff);

} // namespace velmora
