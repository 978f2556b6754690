#include "window/warnhinweis.h"

#include <array>

namespace velmora {

namespace {

// The blanks at some line ends are part of the text.
constexpr std::array<const char*, 10> zeilen = {
    "Bitte bedenken Sie bei der Zeugniserstellung, dass ein Doduvovavazuzu die wirkliche "
    "Qualifikation ",
    "des Arbeitnehmers wiedergeben soll. Eine zu schlechte Bewertung kann im Extremfall ein "
    "Verfahren vor dem Arbeitsgericht nach sich ziehen, im dem der Arbeitnehmer dann eine ",
    "Korrektur des Zeugnisses verlangen und durchsetzen kann.",
    "",
    "Eine zu gute Bewertung ist aber auch problematisch, weil sie im Extremfall Forderungen des ",
    "Nachfolgearbeitgebers nach sich ziehen kann.",
    "",
    "Zum Beispiel könnte ein Arbeitnehmer, der von Ihnen als zuverlässig beschrieben wurde und ",
    "Geld unterschlagen hat, bei einem anderen Arbeitgeber beschäftigt werden, bei dem er mit "
    "großen Geldsummen umgehen muss und bei diesem Arbeitgeber ebenfalls Geld unterschlagen. ",
    "Dafür könnte Sie dieser Arbeitgeber eventuell haftbar machen.",
};

} // namespace

QString warnhinweis() {
    QString text;
    for (const char* zeile : zeilen) {
        text += QString::fromUtf8(zeile) + QLatin1Char('\n');
    }
    return text;
}

} // namespace velmora
