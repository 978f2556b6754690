#include "analyse/bekanntetexte.h"

#include "analyse/fruehere_texte.h"
#include "analyse/satzteilung.h"
#include "analyse/woerter.h"
#include "compose/bewertungsbereich.h"
#include "compose/kopfsaetze.h"
#include "compose/schlussformel.h"

#include <algorithm>
#include <bit>
#include <map>
#include <span>
#include <unordered_map>
#include <vector>

namespace velmora {

namespace {

// An input of the reference (name, date, place, job) stands where this mark stands; it is no
// character a text holds, and counts as a letter.
constexpr std::string_view eingabemarke = "\xEE\x80\x80";

// Whatever the person, these words compare as one: "er" and "sie", "seinen" and "ihren".
constexpr std::array<std::string_view, 19> anredewoerter = {
    "er",     "sie",  "ihm",   "ihr",   "ihn",   "sein",  "seine", "seinen", "seinem", "seiner",
    "seines", "ihre", "ihren", "ihrem", "ihrer", "ihres", "herr",  "herrn",  "frau"};

constexpr int anrede = 0;
constexpr int eingabe = 1;
constexpr int unbekannt = -1;
constexpr std::size_t hoechsteEingabe = 12; // words an input may take: "Frankfurt am Main"

struct Muster {
    std::vector<int> folge;
    std::size_t woerter = 0; // without the inputs
    std::size_t eingaben = 0;
    BekannterSatz satz;
};

class Bestand {
public:
    Bestand() {
        for (const Zeugnisart art : zeugnisarten) {
            const Kopfsaetze& kopf = kopfsaetze(art);
            for (const Phrase* p :
                 {&kopf.ueberschrift, &kopf.eroeffnung, &kopf.eroeffnungOhneGeburt,
                  &kopf.aufgabensatz, &kopf.aufgabenliste, &kopf.aufgabenlisteImBereich}) {
                aufnehmen(*p, art, 0, 0);
            }
            for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
                for (int note = 1; phrase(bereich, note, art); ++note) {
                    for (int f = 1; f <= anzahlFormulierungen; ++f) {
                        aufnehmen(*phrase(bereich, note, art, f), art, bereich, note);
                    }
                }
            }
        }
        // The further phrasings' leaving sentences are read as any reference's "leaves at their
        // own wish": the reason for leaving.
        constexpr int eigenerWunsch = 1;
        for (int note = 1; note <= 6; ++note) {
            for (const Schlussformelteil& teil : schlussformelteile(note)) {
                aufnehmen(*teil.phrase, Zeugnisart::Endzeugnis,
                          teil.ohneNote ? beendigungsgrund : schlussformel,
                          teil.ohneNote ? eigenerWunsch : note);
            }
        }
        for (const FruehererText& text : fruehereTexte()) {
            aufnehmen(text.phrase, text.art, text.bereich, text.note);
        }
    }

    const BekannterSatz* suchen(std::string_view satz) const {
        std::vector<int> folge;
        for (const Wort& wort : woerter(satz)) {
            const auto id = ids_.find(wort.form);
            folge.push_back(id == ids_.end() ? unbekannt : id->second);
        }
        const Muster* bestes = nullptr;
        for (const Muster& m : muster_) {
            if (folge.size() < m.woerter + m.eingaben ||
                folge.size() > m.woerter + m.eingaben * hoechsteEingabe ||
                (bestes && bestes->woerter >= m.woerter)) {
                continue;
            }
            if (passt(m.folge, folge)) {
                bestes = &m;
            }
        }
        return bestes ? &bestes->satz : nullptr;
    }

private:
    static bool passt(std::span<const int> muster, std::span<const int> folge) {
        while (!muster.empty() && muster.front() != eingabe) {
            if (folge.empty() || folge.front() != muster.front()) {
                return false;
            }
            muster = muster.subspan(1);
            folge = folge.subspan(1);
        }
        if (muster.empty()) {
            return folge.empty();
        }
        for (std::size_t n = 1; n <= std::min(hoechsteEingabe, folge.size()); ++n) {
            if (passt(muster.subspan(1), folge.subspan(n))) {
                return true;
            }
        }
        return false;
    }

    int id(const std::string& form) {
        if (form.find(eingabemarke) != std::string::npos) {
            return eingabe;
        }
        return ids_.try_emplace(form, static_cast<int>(ids_.size()) + 2).first->second;
    }

    void aufnehmen(const Phrase& p, Zeugnisart art, int bereich, int note) {
        for (const int geschlecht : {herr, frau}) {
            const Anredeformen& formen = Anredeformen::fuer(geschlecht);
            std::string text;
            for (const Phrasenteil& teil : p.teile()) {
                text += teil.art == Phrasenteil::Art::Text     ? teil.text
                        : teil.art == Phrasenteil::Art::Anrede ? formen.woerter[teil.index]
                                                               : eingabemarke;
            }
            for (const Textstueck& stueck : textTeilen(text)) {
                Muster m;
                for (const Wort& wort : woerter(stueck.text)) {
                    const int i = id(wort.form);
                    if (i != eingabe || m.folge.empty() || m.folge.back() != eingabe) {
                        m.folge.push_back(i);
                        (i == eingabe ? m.eingaben : m.woerter) += 1;
                    }
                }
                const auto [eintrag, neu] = index_.try_emplace(m.folge, muster_.size());
                if (neu) {
                    m.satz.bereich = bereich;
                    muster_.push_back(std::move(m));
                }
                BekannterSatz& satz = muster_[eintrag->second].satz;
                satz.noten |= note > 0 ? 1U << note : 0U;
                satz.arten |= 1U << artIndex(art);
            }
        }
    }

    std::unordered_map<std::string, int> ids_ = [] {
        std::unordered_map<std::string, int> ids;
        for (const std::string_view wort : anredewoerter) {
            ids.emplace(wort, anrede);
        }
        return ids;
    }();
    std::vector<Muster> muster_;
    std::map<std::vector<int>, std::size_t> index_;
};

} // namespace

int BekannterSatz::note() const {
    return std::popcount(noten) == 1 ? std::countr_zero(noten) : 0;
}

const BekannterSatz* bekannterSatz(std::string_view satz) {
    static const Bestand bestand;
    return bestand.suchen(satz);
}

} // namespace velmora
