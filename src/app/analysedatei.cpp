#include "app/analysedatei.h"

#include "app/analyseeingabe.h"

namespace velmora {

Analyseleser analyseleser(Plattform& plattform) {
    return [&plattform](const QString& pfad) {
        Analyseeingabe eingabe = analyseeingabe(plattform, pfad);
        return Analysetext{std::move(eingabe.text), eingabe.fehler};
    };
}

} // namespace velmora
