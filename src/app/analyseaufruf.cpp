#include "app/analyseaufruf.h"

#include "analyse/analyseausgabe.h"
#include "app/analyseeingabe.h"
#include "app/befehlszeile.h"
#include "platform/plattform.h"

namespace velmora {

Ausfuhrergebnis analyseAusgeben(const Aufruf& aufruf, Plattform& plattform) {
    const Analyseeingabe eingabe = analyseeingabe(plattform, aufruf.datei);
    if (!eingabe.text) {
        plattform.protokoll(eingabe.fehler);
        return {1, {}};
    }
    const Analyse analyse = zeugnisAnalysieren(*eingabe.text);
    return {0, QByteArray::fromStdString(aufruf.json ? analyseAlsJson(analyse)
                                                     : analyseAlsText(analyse))};
}

} // namespace velmora
