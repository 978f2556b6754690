#include "analyse/satzbewertung.h"

#include "analyse/regeln.h"
#include "analyse/woerter.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace velmora {

namespace {

// One word of a rule: the whole word, its beginning ("wort*"), its end ("*wort"), a piece
// within ("*wort*"), any one word ("?"), or up to `luecke` words ("…").
struct Musterwort {
    enum class Art { Ganz, Anfang, Ende, Innen, Eines, Luecke };
    Art art;
    std::string text;
};

constexpr std::size_t luecke = 8;

// How many words may stand between a time adverb and the praise it raises.
constexpr std::size_t hebeweite = 2;

struct Muster {
    std::vector<Musterwort> woerter;
    bool mitLuecke = false;
};

Muster uebersetzt(std::string_view woerter) {
    Muster m;
    for (std::size_t von = 0; von < woerter.size();) {
        const std::size_t bis = std::min(woerter.find(' ', von), woerter.size());
        const std::string_view wort = woerter.substr(von, bis - von);
        von = bis + 1;
        if (wort == "…") {
            m.woerter.push_back({Musterwort::Art::Luecke, {}});
            m.mitLuecke = true;
        } else if (wort == "?") {
            m.woerter.push_back({Musterwort::Art::Eines, {}});
        } else {
            const bool vorn = wort.starts_with('*');
            const bool hinten = wort.ends_with('*');
            const std::string text = vergleichsform(wort);
            m.woerter.push_back({vorn && hinten ? Musterwort::Art::Innen
                                 : vorn         ? Musterwort::Art::Ende
                                 : hinten       ? Musterwort::Art::Anfang
                                                : Musterwort::Art::Ganz,
                                 text});
        }
    }
    return m;
}

bool wortPasst(const Musterwort& m, const std::string& wort) {
    switch (m.art) {
    case Musterwort::Art::Ganz:
        return wort == m.text;
    case Musterwort::Art::Anfang:
        return wort.starts_with(m.text);
    case Musterwort::Art::Ende:
        return wort.ends_with(m.text);
    case Musterwort::Art::Innen:
        return wort.find(m.text) != std::string::npos;
    case Musterwort::Art::Eines:
    case Musterwort::Art::Luecke:
        break;
    }
    return true;
}

// The end of a match of the rule's words from word `i`, or nothing.
std::optional<std::size_t> passtAb(const std::vector<Musterwort>& muster, std::size_t m,
                                   const std::vector<Wort>& satz, std::size_t i) {
    if (m == muster.size()) {
        return i;
    }
    if (muster[m].art == Musterwort::Art::Luecke) {
        for (std::size_t n = 0; n <= luecke && i + n <= satz.size(); ++n) {
            if (const auto ende = passtAb(muster, m + 1, satz, i + n)) {
                return ende;
            }
        }
        return std::nullopt;
    }
    if (i == satz.size() || !wortPasst(muster[m], satz[i].form)) {
        return std::nullopt;
    }
    return passtAb(muster, m + 1, satz, i + 1);
}

struct Treffer {
    std::size_t regel;
    std::size_t von;
    std::size_t bis;
};

// Rules by the first byte of their first word, so that a word is tried only against the
// rules that can begin with it; rules that begin anywhere within a word are tried always.
class Regelindex {
public:
    explicit Regelindex(std::vector<Muster> muster) : muster_(std::move(muster)) {
        for (std::size_t r = 0; r < muster_.size(); ++r) {
            const Musterwort& erstes = muster_[r].woerter.front();
            const bool vorn =
                erstes.art == Musterwort::Art::Ganz || erstes.art == Musterwort::Art::Anfang;
            (vorn ? nachAnfang_[static_cast<unsigned char>(erstes.text[0])] : immer_).push_back(r);
        }
    }

    const Muster& operator[](std::size_t r) const { return muster_[r]; }

    // Calls tun(rule, first word, past the last word) for every match.
    template <typename Tun> void passungen(const std::vector<Wort>& satz, Tun tun) const {
        for (std::size_t i = 0; i < satz.size(); ++i) {
            for (const auto* liste :
                 {&nachAnfang_[static_cast<unsigned char>(satz[i].form[0])], &immer_}) {
                for (const std::size_t r : *liste) {
                    if (const auto ende = passtAb(muster_[r].woerter, 0, satz, i)) {
                        tun(r, i, *ende);
                    }
                }
            }
        }
    }

private:
    std::vector<Muster> muster_;
    std::array<std::vector<std::size_t>, 256> nachAnfang_;
    std::vector<std::size_t> immer_;
};

template <typename Tabelle> Regelindex index(Tabelle tabelle) {
    std::vector<Muster> muster;
    for (const auto& eintrag : tabelle) {
        muster.push_back(uebersetzt(eintrag.woerter));
    }
    return Regelindex(std::move(muster));
}

const Regelindex& regelindex() {
    static const Regelindex alle = index(regeln());
    return alle;
}

const Regelindex& wortfeldindex() {
    static const Regelindex alle = index(wortfelder());
    return alle;
}

// Verbs whose form tells the tense; the forms both tenses share ("verfügt", "erledigt") are
// in neither list.
constexpr std::array<std::string_view, 40> vergangen = {
    "war",        "waren",    "hatte",          "hatten",      "wurde",
    "wurden",     "konnte",   "zeigte",         "ging",        "kam",
    "trat",       "fand",     "nahm",           "traf",        "behielt",
    "bewies",     "verfügte", "arbeitete",      "erledigte",   "erzielte",
    "führte",     "leitete",  "bewältigte",     "erfüllte",    "überzeugte",
    "besaß",      "erfasste", "identifizierte", "nutzte",      "bildete",
    "motivierte", "genoss",   "entsprach",      "entsprachen", "setzte",
    "löste",      "lieferte", "besuchte",       "übernahm",    "verhielt"};
constexpr std::array<std::string_view, 30> gegenwaertig = {
    "ist",     "sind",    "wird",          "werden",    "kann",    "zeigt",
    "geht",    "kommt",   "tritt",         "findet",    "nimmt",   "trifft",
    "behält",  "beweist", "setzt",         "arbeitet",  "besitzt", "nutzt",
    "bildet",  "genießt", "entspricht",    "löst",      "liefert", "übernimmt",
    "verhält", "erfasst", "identifiziert", "bewältigt", "erzielt", "überzeugt"};

int zeitformVon(const std::vector<Wort>& satz) {
    bool alt = false;
    bool jetzt = false;
    for (const Wort& w : satz) {
        alt = alt || std::find(vergangen.begin(), vergangen.end(), w.form) != vergangen.end();
        jetzt = jetzt ||
                std::find(gegenwaertig.begin(), gegenwaertig.end(), w.form) != gegenwaertig.end();
    }
    return alt == jetzt ? 0 : alt ? -1 : 1;
}

bool enthaeltAnfang(const std::vector<Wort>& satz, std::initializer_list<std::string_view> anfaenge,
                    std::size_t* stelle = nullptr) {
    for (std::size_t i = 0; i < satz.size(); ++i) {
        for (const std::string_view a : anfaenge) {
            if (satz[i].form.starts_with(a)) {
                if (stelle) {
                    *stelle = i;
                }
                return true;
            }
        }
    }
    return false;
}

int bereichNachWortfeld(const std::vector<Wort>& satz, int& staerke) {
    std::array<int, 14> punkte{};
    const auto& felder = wortfelder();
    std::vector<bool> gezaehlt(felder.size());
    wortfeldindex().passungen(satz, [&](std::size_t f, std::size_t, std::size_t) {
        if (!gezaehlt[f]) {
            gezaehlt[f] = true;
            punkte[felder[f].bereich] += felder[f].gewicht;
        }
    });
    int bester = 0;
    for (int b = 1; b < 14; ++b) {
        if (punkte[b] > punkte[bester]) {
            bester = b;
        }
    }
    staerke = punkte[bester];
    return bester;
}

bool gilt(const Regel& r, int bereich) {
    return r.bereich == 0 || (r.bereich > 0 ? r.bereich == bereich : -r.bereich != bereich);
}

} // namespace

bool zwischenSchluss(unsigned teile) {
    return (teile & (1U << static_cast<int>(Schlussteil::Freude) |
                     1U << static_cast<int>(Schlussteil::Bisher))) != 0;
}

int schlussnote(unsigned teile, int lob, bool zwischenzeugnis, bool leistungen) {
    const auto hat = [&](Schlussteil t) { return (teile >> static_cast<int>(t) & 1U) != 0; };
    const bool stark = lob > 0 && lob <= 2;
    if (zwischenzeugnis) {
        if (hat(Schlussteil::Dank) && hat(Schlussteil::Freude)) {
            return lob > 0 ? std::min(lob, 3) : leistungen ? 3 : 4;
        }
        return hat(Schlussteil::Freude)   ? 4
               : hat(Schlussteil::Dank)   ? 5
               : hat(Schlussteil::Wunsch) ? 6
                                          : 0;
    }
    if (hat(Schlussteil::Bedauern)) {
        return stark ? 1 : 2;
    }
    if (hat(Schlussteil::Dank) && hat(Schlussteil::Wunsch)) {
        return stark ? 2 : 3;
    }
    // Thanks without wishes still a 4; good wishes alone, without a word of thanks, a 5.
    return hat(Schlussteil::Dank)                                 ? 4
           : hat(Schlussteil::Wunsch) || hat(Schlussteil::Erfolg) ? 5
                                                                  : 0;
}

Satzbewertung satzBewerten(std::string_view text, Zeugnistyp typ, int vorgabe,
                           bool vorgesetzteGenannt) {
    Satzbewertung b;
    const std::vector<Wort> satz = woerter(text);
    b.zeitform = zeitformVon(satz);
    int staerke = 0;
    b.bereich = vorgabe >= 0 ? vorgabe : bereichNachWortfeld(satz, staerke);

    // Every rule's matches; a match inside a longer one without a gap gives way to it.
    const auto& alleRegeln = regeln();
    const Regelindex& muster = regelindex();
    std::vector<Treffer> treffer;
    muster.passungen(satz, [&](std::size_t r, std::size_t von, std::size_t bis) {
        if (gilt(alleRegeln[r], b.bereich)) {
            treffer.push_back({r, von, bis});
        }
    });
    std::erase_if(treffer, [&](const Treffer& t) {
        return std::any_of(treffer.begin(), treffer.end(), [&](const Treffer& l) {
            return !muster[l.regel].mitLuecke && l.von <= t.von && l.bis >= t.bis &&
                   l.bis - l.von > t.bis - t.von;
        });
    });
    // What a cancelling rule's words touch counts for nothing: "kennen und schätzen gelernt".
    const auto aufgehoben = [&](const Treffer& t) {
        return std::any_of(treffer.begin(), treffer.end(), [&](const Treffer& a) {
            return alleRegeln[a.regel].art == Regelart::Aufhebung && a.von < t.bis && t.von < a.bis;
        });
    };
    std::vector<Treffer> gueltig;
    std::copy_if(treffer.begin(), treffer.end(), std::back_inserter(gueltig),
                 [&](const Treffer& t) { return !aufgehoben(t); });
    treffer = std::move(gueltig);
    std::stable_sort(treffer.begin(), treffer.end(),
                     [](const Treffer& x, const Treffer& y) { return x.von < y.von; });

    const auto nimm = [&](const Treffer& t) {
        const Regel& r = alleRegeln[t.regel];
        std::string wort(text.substr(satz[t.von].von, satz[t.bis - 1].bis - satz[t.von].von));
        if (std::find(b.signale.begin(), b.signale.end(), wort) == b.signale.end()) {
            b.signale.push_back(std::move(wort));
        }
        if (std::find(b.erklaerungen.begin(), b.erklaerungen.end(), r.erklaerung) ==
            b.erklaerungen.end()) {
            b.erklaerungen.push_back(r.erklaerung);
        }
        if (!r.code.empty() && std::find(b.codes.begin(), b.codes.end(), r.code) == b.codes.end()) {
            b.codes.push_back(r.code);
        }
    };

    if (b.bereich == 12) {
        const bool zwischen =
            typ == Zeugnistyp::Zwischenzeugnis ||
            (typ == Zeugnistyp::Unbekannt && enthaeltAnfang(satz, {"zwischenzeugnis"}));
        const Regelart art = zwischen ? Regelart::Anlass : Regelart::Grund;
        for (std::size_t r = 0; r < alleRegeln.size() && b.grund == 0; ++r) {
            for (const Treffer& t : treffer) {
                if (t.regel == r && alleRegeln[r].art == art) {
                    b.grund = alleRegeln[r].wert;
                    nimm(t);
                    break;
                }
            }
        }
        if (zwischen && b.grund == 0) {
            b.grund = 4;
        } else if (!zwischen && b.grund == 0) {
            b.codes.push_back("beendigung_ohne_grund");
        }
        return b;
    }

    // The strength of the praise: the strongest word, unless faint words speak against it. A
    // time adverb raises the words it stands just before: "stets sehr sorgfältig".
    std::vector<std::size_t> hebend;
    for (const Treffer& t : treffer) {
        if (alleRegeln[t.regel].art == Regelart::Heben) {
            hebend.push_back(t.bis);
        }
    }
    const auto gehoben = [&](const Treffer& t) {
        return std::any_of(hebend.begin(), hebend.end(), [&](std::size_t bis) {
            return bis <= t.von && t.von - bis <= hebeweite;
        });
    };
    int stark = 0;
    int hoechstes = 6;
    int schwach = 0;
    int schlicht = 0;
    int senken = 0;
    int boden = 0;
    bool heben = false;
    bool zufriedenheit = false;
    for (const Treffer& t : treffer) {
        const Regel& r = alleRegeln[t.regel];
        const int wert = r.wert - (gehoben(t) ? 1 : 0);
        switch (r.art) {
        case Regelart::Stufe:
            if (r.wert <= 2) {
                stark = stark == 0 ? r.wert : std::min(stark, r.wert);
                hoechstes = std::min(hoechstes, std::max(wert, 1));
            } else if (r.wert == 3) {
                schlicht = schlicht == 0 ? wert : std::min(schlicht, wert);
            } else {
                schwach = std::max(schwach, wert);
            }
            break;
        case Regelart::Heben:
            heben = true;
            break;
        case Regelart::Senken:
            senken = std::min(senken + r.wert, 2);
            break;
        case Regelart::Boden:
            boden = std::max(boden, r.wert);
            break;
        case Regelart::Zufriedenheit:
            zufriedenheit = true;
            break;
        case Regelart::Schluss:
            b.schlussteile |= 1U << r.wert;
            break;
        case Regelart::Grund:
        case Regelart::Anlass:
        case Regelart::Code:
        case Regelart::Aufhebung:
            continue;
        }
        // A neutral sentence keeps only its codes: "im Rahmen seiner Fähigkeiten" says the
        // same in any sentence.
        if ((b.bereich != 0 || !r.code.empty()) &&
            (r.art != Regelart::Schluss || b.bereich == 13)) {
            nimm(t);
        }
    }
    if (b.bereich == 0) {
        b.lobOhneBereich = vorgabe < 0 && staerke < 3 && (stark || schlicht || schwach);
        return b;
    }

    const int bestes = stark ? std::min(hoechstes, schlicht ? schlicht : 6) : schlicht;
    int lob = bestes && schwach ? std::max((bestes + schwach + 1) / 2, schwach >= 5 ? schwach : 0)
              : bestes          ? bestes
                                : schwach;
    if (b.bereich == 10 && zufriedenheit) {
        // The satisfaction formula: "zufrieden" alone is a 4, "voll" a 3, "vollste" a 2; a
        // time adverb anywhere in it raises it.
        lob = (stark ? std::min(stark + 1, 3) : 4) - (heben ? 1 : 0);
    }
    if (b.bereich == 13) {
        const bool zwischen = typ == Zeugnistyp::Zwischenzeugnis ||
                              (typ == Zeugnistyp::Unbekannt && zwischenSchluss(b.schlussteile));
        b.lob = lob;
        b.note = schlussnote(b.schlussteile, lob, zwischen, enthaeltAnfang(satz, {"leistung"}));
        b.note = b.note == 0 ? 0 : std::max(b.note, boden);
    } else if (lob == 0 && boden == 0) {
        // Nothing that praises: a plain statement, unless its words clearly name a section.
        if (vorgabe < 0 && staerke < 3) {
            b.bereich = 0;
            return b;
        }
        b.note = 4 + std::min(senken, 1);
        b.erklaerungen.push_back("Ohne jedes Lob ist ein Satz höchstens eine 4.");
    } else {
        // Faint praise is not made fainter by "meist".
        const int note = lob == 0 ? boden : lob >= 5 ? lob : lob + senken;
        b.note = std::clamp(std::max(note, boden), 1, 6);
    }

    if (b.bereich == 11) {
        std::size_t kollegen = 0;
        std::size_t vorgesetzte = 0;
        const bool mitKollegen = enthaeltAnfang(
            satz, {"kolleg", "kunde", "kunden", "geschäftspartner", "mitarbeiter"}, &kollegen);
        const bool mitVorgesetzten = enthaeltAnfang(
            satz,
            {"vorgesetzt", "geschäftsleitung", "geschäftsführung", "vorstand", "führungskräft"},
            &vorgesetzte);
        const bool verhalten = enthaeltAnfang(satz, {"verhalten", "umgang", "auftret", "beliebt",
                                                     "geschätzt", "verhältnis", "zusammenarbeit"});
        if (mitKollegen && mitVorgesetzten && verhalten && kollegen < vorgesetzte) {
            b.codes.push_back("kollegen_vor_vorgesetzten");
            b.note = std::min(b.note + 1, 6);
        } else if (mitKollegen && !mitVorgesetzten && !vorgesetzteGenannt && verhalten) {
            b.codes.push_back("vorgesetzte_fehlen");
            b.note = std::min(b.note + 1, 6);
        }
    }
    return b;
}

} // namespace velmora
