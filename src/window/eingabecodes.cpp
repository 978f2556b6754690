#include "window/eingabecodes.h"

#include "analyse/analyse.h"

#include <string_view>

namespace velmora {

std::vector<Befund> codesImGetippten(const Zeugnisdaten& daten) {
    std::vector<std::string> texte = daten.aufgaben.liste;
    texte.push_back(daten.aufgaben.bereich);
    texte.push_back(daten.aufgaben.erfolge);
    QString reiter = QString::fromUtf8(zusatzreiter[0]);
    reiter.remove(QLatin1Char('&'));
    std::vector<Befund> befunde;
    for (const std::string& text : texte) {
        if (text.empty()) {
            continue;
        }
        // A task or a department is a fragment of the program's sentences: read as a sentence
        // of its own, however short.
        const bool satzende = std::string_view(".!?").find(text.back()) != std::string_view::npos;
        for (const Hinweis& hinweis : textAnalysieren(satzende ? text : text + ".").hinweise) {
            if (hinweis.code && hinweis.satz) {
                befunde.push_back(
                    {reiter,
                     QStringLiteral("„%1“: %2")
                         .arg(QString::fromStdString(text), QString::fromStdString(hinweis.text)),
                     {obereLeiste, aufgabenReiter}});
            }
        }
    }
    return befunde;
}

} // namespace velmora
