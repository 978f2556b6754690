#include "app/analysedatei.h"

#include "app/analyseeingabe.h"

#include <QFileInfo>

namespace velmora {

Analyseleser analyseleser(Plattform& plattform) {
    return [&plattform](const QString& pfad) {
        // Never standard input, even for a file named "-".
        Analyseeingabe eingabe = analyseeingabe(plattform, QFileInfo(pfad).absoluteFilePath());
        return Analysetext{std::move(eingabe.text), eingabe.fehler};
    };
}

} // namespace velmora
