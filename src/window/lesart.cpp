#include "window/lesart.h"

#include "analyse/analyse.h"

#include <algorithm>
#include <string>

namespace velmora {

namespace {

Zeilenlesart::Zeile saetzeLesen(std::string_view text, int bereich) {
    const Analyse analyse = textAnalysieren(text, {.bereich = bereich > 0 ? bereich : -1});
    Zeilenlesart::Zeile zeile;
    for (const Satzanalyse& satz : analyse.saetze) {
        // Words of no section state facts: a task without any word of praise or blame is no
        // weak grade, as a bare sentence in a graded section would be.
        if (satz.note && (bereich > 0 || !satz.signale.empty())) {
            zeile.noten.push_back(*satz.note);
        }
    }
    for (const Hinweis& hinweis : analyse.hinweise) {
        if (hinweis.code) {
            zeile.codes.append(QString::fromStdString(hinweis.text));
        }
    }
    return zeile;
}

Lesart zusammengefasst(std::vector<int> noten, QStringList codes) {
    Lesart gelesen;
    if (!noten.empty()) {
        // Of two sentences in the middle, the worse: a reader takes the weaker reading.
        const auto mitte = noten.begin() + static_cast<std::ptrdiff_t>(noten.size() / 2);
        std::ranges::nth_element(noten, mitte);
        gelesen.note = *mitte;
    }
    codes.removeDuplicates();
    gelesen.codes = std::move(codes);
    return gelesen;
}

std::string alsSatz(std::string_view text) {
    std::string satz(text);
    if (!satz.empty() && std::string_view(".!?").find(satz.back()) == std::string_view::npos) {
        satz += '.';
    }
    return satz;
}

} // namespace

Lesart lesart(std::string_view text, int bereich) {
    Zeilenlesart::Zeile zeile = saetzeLesen(text, bereich);
    return zusammengefasst(std::move(zeile.noten), std::move(zeile.codes));
}

Lesart getipptLesart(std::string_view text) {
    return lesart(alsSatz(text), 0);
}

Lesart Zeilenlesart::lesen(const QStringList& zeilen) {
    QHash<QString, Zeile> jetzt;
    jetzt.reserve(zeilen.size());
    std::vector<int> noten;
    QStringList codes;
    for (const QString& zeilentext : zeilen) {
        const QString text = zeilentext.trimmed();
        if (text.isEmpty()) {
            continue;
        }
        auto zeile = jetzt.constFind(text);
        if (zeile == jetzt.cend()) {
            const auto frueher = gelesen.find(text);
            zeile = jetzt.insert(text, frueher != gelesen.end()
                                           ? std::move(*frueher)
                                           : saetzeLesen(alsSatz(text.toStdString()), 0));
        }
        noten.insert(noten.end(), zeile->noten.begin(), zeile->noten.end());
        codes += zeile->codes;
    }
    gelesen = std::move(jetzt);
    return zusammengefasst(std::move(noten), std::move(codes));
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
