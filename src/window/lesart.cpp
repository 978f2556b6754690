#include "window/lesart.h"

#include "analyse/analyse.h"

#include <algorithm>
#include <vector>

namespace velmora {

Lesart lesart(std::string_view text, int bereich) {
    const Analyse analyse = textAnalysieren(text, {.bereich = bereich > 0 ? bereich : -1});
    std::vector<int> noten;
    for (const Satzanalyse& satz : analyse.saetze) {
        if (satz.note) {
            noten.push_back(*satz.note);
        }
    }
    Lesart gelesen;
    if (!noten.empty()) {
        // Of two sentences in the middle, the worse: a reader takes the weaker reading.
        std::ranges::sort(noten);
        gelesen.note = noten[noten.size() / 2];
    }
    for (const Hinweis& hinweis : analyse.hinweise) {
        if (hinweis.code) {
            gelesen.codes.append(QString::fromStdString(hinweis.text));
        }
    }
    gelesen.codes.removeDuplicates();
    return gelesen;
}

QString rueckmeldung(const Lesart& lesart, int gewaehlt) {
    QString text = QStringLiteral("keine Note erkennbar");
    if (lesart.note) {
        text = QStringLiteral("Ihr Text liest sich wie Note %1").arg(*lesart.note);
        if (gewaehlt > 0) {
            text += QStringLiteral(" – gewählt ist %1").arg(gewaehlt);
        }
    }
    for (const QString& code : lesart.codes) {
        text += '\n' + code;
    }
    return text;
}

} // namespace velmora
