#include "analysedarstellung/analysetexte.h"

#include "compose/bewertungsbereich.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

constexpr std::array<std::string_view, 6> notenwoerter = {
    "sehr gut", "gut", "befriedigend", "ausreichend", "mangelhaft", "ungenügend"};

// The reasons and occasions of section 12 as the engine names them, in words.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> gruende = {{
    {"unklar", "nicht eindeutig"},
    {"arbeitnehmer", "Kündigung durch den Arbeitnehmer"},
    {"arbeitgeber", "Kündigung durch den Arbeitgeber"},
    {"aufhebungsvertrag", "Aufhebungsvertrag"},
    {"wunsch", "auf eigenen Wunsch"},
    {"vorgesetztenwechsel", "Wechsel des Vorgesetzten"},
    {"umstrukturierung", "Umstrukturierung"},
    {"sonstiges", "anderer Anlass"},
}};

} // namespace

std::string noteInWorten(int note) {
    if (note < 1 || note > 6) {
        return "–";
    }
    return std::to_string(note) + " – " + std::string(notenwoerter[note - 1]);
}

std::string bereichsname(int bereich, Zeugnistyp art) {
    if (bereich < 1 || bereich > anzahlBereiche) {
        return "ohne Bewertung";
    }
    if (bereich == beendigungsgrund && art == Zeugnistyp::Zwischenzeugnis) {
        return "Ausstellungsgrund";
    }
    return std::string(bewertungsbereich(bereich).name);
}

std::string_view artname(Zeugnistyp art) {
    switch (art) {
    case Zeugnistyp::Endzeugnis:
        return "Endzeugnis";
    case Zeugnistyp::Zwischenzeugnis:
        return "Zwischenzeugnis";
    case Zeugnistyp::Unbekannt:
        break;
    }
    return "Zeugnisart nicht erkennbar";
}

std::string_view gesamtnotengrund(const Analyse& analyse) {
    if (analyse.gesamtnote) {
        return "aus der Zufriedenheitsformel";
    }
    return analyse.saetze.empty() ? "kein Text"
                                  : "keine Gesamtnote: das Zeugnis enthält keine "
                                    "Zufriedenheitsformel";
}

std::array<Bereichsbild, anzahlBereiche> bereichsbilder(const Analyse& analyse) {
    std::array<Bereichsbild, anzahlBereiche> bilder{};
    std::array<std::vector<int>, anzahlBereiche> noten{};
    for (const Satzanalyse& satz : analyse.saetze) {
        if (satz.bereich < 1 || satz.bereich > anzahlBereiche) {
            continue;
        }
        bilder[satz.bereich - 1].vorhanden = true;
        if (satz.note) {
            noten[satz.bereich - 1].push_back(*satz.note);
        }
    }
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        if (std::vector<int>& n = noten[i]; !n.empty()) {
            std::sort(n.begin(), n.end());
            bilder[i].note = n[n.size() / 2];
        }
    }
    return bilder;
}

std::string grundInWorten(const Satzanalyse& satz) {
    const std::optional<std::string_view> id = satz.grund ? satz.grund : satz.anlass;
    if (!id) {
        return {};
    }
    const auto treffer = std::find_if(gruende.begin(), gruende.end(),
                                      [&](const auto& grund) { return grund.first == *id; });
    return std::string(treffer != gruende.end() ? treffer->second : *id);
}

std::string bereichszeile(int bereich, const Analyse& analyse) {
    const Bereichsbild bild = bereichsbilder(analyse)[bereich - 1];
    std::string zeile = bereichsname(bereich, analyse.art) + ": ";
    if (!bild.vorhanden) {
        return zeile + "fehlt";
    }
    if (bild.note) {
        return zeile + noteInWorten(*bild.note);
    }
    for (const Satzanalyse& satz : analyse.saetze) {
        if (satz.bereich == bereich && (satz.grund || satz.anlass)) {
            return zeile + grundInWorten(satz);
        }
    }
    return zeile + "ohne Note";
}

std::vector<const Hinweis*> satzhinweise(const Analyse& analyse, std::size_t satz) {
    std::vector<const Hinweis*> hinweise;
    for (const Hinweis& hinweis : analyse.hinweise) {
        if (hinweis.satz && std::size_t(*hinweis.satz) == satz) {
            hinweise.push_back(&hinweis);
        }
    }
    return hinweise;
}

} // namespace velmora
