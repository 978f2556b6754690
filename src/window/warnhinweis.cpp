#include "window/warnhinweis.h"

#include <QStringList>

#include <array>

namespace velmora {

namespace {

// Each paragraph flows as the box is wide; an empty line stands between them.
constexpr std::array<const char*, 3> absaetze = {
    "Bitte bedenken Sie bei der Zeugniserstellung, dass ein Arbeitszeugnis die wirkliche "
    "Qualifikation des Arbeitnehmers wiedergeben soll. Eine zu schlechte Bewertung kann im "
    "Extremfall ein Verfahren vor dem Arbeitsgericht nach sich ziehen, im dem der Arbeitnehmer "
    "dann eine Korrektur des Zeugnisses verlangen und durchsetzen kann.",
    "Eine zu gute Bewertung ist aber auch problematisch, weil sie im Extremfall Forderungen des "
    "Nachfolgearbeitgebers nach sich ziehen kann.",
    "Zum Beispiel könnte ein Arbeitnehmer, der von Ihnen als zuverlässig beschrieben wurde und "
    "Geld unterschlagen hat, bei einem anderen Arbeitgeber beschäftigt werden, bei dem er mit "
    "großen Geldsummen umgehen muss und bei diesem Arbeitgeber ebenfalls Geld unterschlagen. "
    "Dafür könnte Sie dieser Arbeitgeber eventuell haftbar machen.",
};

} // namespace

QString warnhinweis() {
    QStringList text;
    for (const char* absatz : absaetze) {
        text.append(QString::fromUtf8(absatz));
    }
    return text.join(QStringLiteral("\n\n"));
}

} // namespace velmora
