#include "window/eigenetexthinweise.h"

#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"
#include "window/notenname.h"

namespace velmora {

namespace {

QString inAnfuehrung(std::string_view text) {
    return QStringLiteral("„%1“").arg(QString::fromUtf8(text));
}

// „A“, „B“ und „C“
QString aufzaehlung(const QStringList& namen) {
    if (namen.size() < 2) {
        return namen.join(QString());
    }
    return namen.mid(0, namen.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
           namen.last();
}

// A grade as the band names it: a reason in quotes.
QString wahl(int bereich, int note, Zeugnisart art) {
    const QString name = notenname(bereich, note, art);
    return bewertungsbereich(bereich).istBeendigungsgrund() ? QStringLiteral("„%1“").arg(name)
                                                            : name;
}

// The sections whose own words the change left as they were, where `betroffen` holds for
// them; words just written follow the change.
template <typename Bedingung>
QStringList bereiche(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt, Bedingung betroffen) {
    QStringList namen;
    for (const Bewertungsbereich& b : bewertungsbereiche) {
        const std::string& text = jetzt.eigenerText(b.nummer);
        if (!leer(text) && text == vorher.eigenerText(b.nummer) && betroffen(text)) {
            namen.append(inAnfuehrung(b.name));
        }
    }
    return namen;
}

// The inputs the own words may name, with the department of the tasks sentence.
std::array<const std::string*, anzahlEingaben + 1> angaben(const Zeugnisdaten& daten) {
    std::array<const std::string*, anzahlEingaben + 1> werte{};
    for (int i = 0; i < anzahlEingaben; ++i) {
        werte[i] = &daten.texte[i];
    }
    werte[anzahlEingaben] = &daten.aufgaben.bereich;
    return werte;
}

void notenGeaendert(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt,
                    const Textnoten& geschriebenFuer, QStringList& hinweise) {
    for (const Bewertungsbereich& b : bewertungsbereiche) {
        const std::string& text = jetzt.eigenerText(b.nummer);
        const int note = jetzt.bereich(b.nummer).note;
        const int fuer = geschriebenFuer[b.nummer - 1];
        // Words written before any grade was chosen were written for none in particular.
        if (leer(text) || text != vorher.eigenerText(b.nummer) ||
            note == vorher.bereich(b.nummer).note || note == 0 || fuer == 0 || note == fuer) {
            continue;
        }
        hinweise.append(
            QStringLiteral("Der eigene Text in „%1“ wurde für %2 geschrieben; gewählt ist %3.")
                .arg(QString::fromUtf8(b.name), wahl(b.nummer, fuer, jetzt.art),
                     wahl(b.nummer, note, jetzt.art)));
    }
}

void anredeGeaendert(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt, QStringList& hinweise) {
    const Anredeformen& alt = Anredeformen::fuer(vorher.geschlecht);
    const Anredeformen& neu = Anredeformen::fuer(jetzt.geschlecht);
    const QStringList namen = bereiche(vorher, jetzt, [](const std::string&) { return true; });
    if (&alt != &neu && !namen.isEmpty()) {
        hinweise.append(
            QStringLiteral("Der eigene Text in %1 wurde für %2 geschrieben; gewählt ist %3.")
                .arg(aufzaehlung(namen), inAnfuehrung(alt[Anrede::Herr]),
                     inAnfuehrung(neu[Anrede::Herr])));
    }
}

void artGeaendert(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt, QStringList& hinweise) {
    constexpr std::array<std::string_view, anzahlZeugnisarten> arten = {"ein Endzeugnis",
                                                                        "ein Zwischenzeugnis"};
    const QStringList namen = bereiche(vorher, jetzt, [](const std::string&) { return true; });
    if (vorher.art != jetzt.art && !namen.isEmpty()) {
        hinweise.append(
            QStringLiteral("Der eigene Text in %1 wurde für %2 geschrieben; gewählt ist %3.")
                .arg(aufzaehlung(namen), QString::fromUtf8(arten[artIndex(vorher.art)]),
                     QString::fromUtf8(arten[artIndex(jetzt.art)])));
    }
}

void angabenGeaendert(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt,
                      QStringList& hinweise) {
    const auto alt = angaben(vorher);
    const auto neu = angaben(jetzt);
    for (std::size_t i = 0; i < alt.size(); ++i) {
        const std::string_view wert = beschnitten(*alt[i]);
        if (wert.empty() || *alt[i] == *neu[i]) {
            continue;
        }
        const QStringList namen = bereiche(vorher, jetzt, [&](const std::string& text) {
            return text.find(wert) != std::string::npos;
        });
        if (namen.isEmpty()) {
            continue;
        }
        const QString jetzige = leer(*neu[i]) ? QStringLiteral("die Angabe ist jetzt leer")
                                              : QStringLiteral("die Angabe lautet jetzt %1")
                                                    .arg(inAnfuehrung(beschnitten(*neu[i])));
        hinweise.append(QStringLiteral("Der eigene Text in %1 enthält noch %2; %3.")
                            .arg(aufzaehlung(namen), inAnfuehrung(wert), jetzige));
    }
}

} // namespace

QStringList eigeneTexteHinweise(const Zeugnisdaten& vorher, const Zeugnisdaten& jetzt,
                                const Textnoten& geschriebenFuer) {
    QStringList hinweise;
    notenGeaendert(vorher, jetzt, geschriebenFuer, hinweise);
    anredeGeaendert(vorher, jetzt, hinweise);
    artGeaendert(vorher, jetzt, hinweise);
    angabenGeaendert(vorher, jetzt, hinweise);
    return hinweise;
}

} // namespace velmora
