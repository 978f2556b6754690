#include "analyse/hinweise.h"

#include "analyse/regeln.h"
#include "compose/bewertungsbereich.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

struct Codetext {
    std::string_view code;
    std::string_view art;
    int bereich; // the section a "fehlt" notice misses, else 0
    std::string_view text;
};

constexpr auto codetexte = std::to_array<Codetext>({
    {"geselligkeit", "code", 0,
     "„Gesellig“ oder „trug zur Verbesserung des Betriebsklimas bei“ gilt unter Personalern als "
     "Hinweis auf Alkohol am Arbeitsplatz."},
    {"verstaendnis", "code", 0,
     "„Verständnis für …“ heißt: Verständnis gezeigt, aber wenig dafür getan."},
    {"bemueht", "code", 0,
     "„Bemüht“ oder „versucht“ heißt: Der Wille war da, der Erfolg nicht. Das entspricht der "
     "Note 6."},
    {"eifer", "code", 0, "„Mit großem Eifer“ heißt: viel Betriebsamkeit, wenig Ergebnis."},
    {"einfuehlungsvermoegen", "code", 0,
     "„Einfühlungsvermögen für die Belange der Belegschaft“ gilt als verdeckter Hinweis auf "
     "Annäherungsversuche."},
    {"tolerant", "code", 0,
     "„Tolerant“ gegenüber Vorgesetzten heißt: Es gab Auseinandersetzungen mit Vorgesetzten."},
    {"puenktlichkeit_als_lob", "code", 0,
     "Wird Pünktlichkeit eigens gelobt, gab es sonst wenig zu loben."},
    {"kennengelernt", "code", 0,
     "„Wir haben … als … kennengelernt“ heißt: So wirkte es, so war es aber nicht."},
    {"kollegen_vor_vorgesetzten", "reihenfolge", 0,
     "Die Kollegen stehen vor den Vorgesetzten: Das deutet auf Schwierigkeiten mit "
     "Vorgesetzten."},
    {"im_rahmen_der_faehigkeiten", "einschraenkung", 0,
     "„Im Rahmen seiner Fähigkeiten“ heißt: Mehr war nicht möglich – und das war wenig."},
    {"verneinung", "einschraenkung", 0, "Eine Verneinung wie „nicht immer“ nimmt das Lob zurück."},
    {"vorgesetzte_fehlen", "fehlt", 11,
     "Das Verhalten gegenüber Vorgesetzten wird nicht erwähnt: Das deutet auf Spannungen mit "
     "Vorgesetzten."},
    {"beendigung_ohne_grund", "fehlt", 12,
     "Das Zeugnis nennt keinen Grund für das Ende des Arbeitsverhältnisses; oft steht dahinter "
     "eine Kündigung durch den Arbeitgeber."},
});

constexpr std::array<std::string_view, 5> platzhalter = {"Beispiel:", "[", "…", "...", "XXX"};

std::optional<int> median(std::vector<int> noten) {
    if (noten.empty()) {
        return std::nullopt;
    }
    std::sort(noten.begin(), noten.end());
    return noten[noten.size() / 2]; // of two in the middle, the worse
}

void fehlt(Analyse& a, std::string_view code, int bereich, std::string text) {
    a.hinweise.push_back({"fehlt", code, bereich, std::move(text), std::nullopt});
}

bool hat(unsigned teile, Schlussteil t) {
    return (teile >> static_cast<int>(t) & 1U) != 0;
}

} // namespace

void satzhinweiseAnfuegen(Analyse& a) {
    for (std::size_t i = 0; i < a.saetze.size(); ++i) {
        const Satzanalyse& s = a.saetze[i];
        for (const std::string_view code : s.codes) {
            const auto t = std::find_if(codetexte.begin(), codetexte.end(),
                                        [&](const Codetext& c) { return c.code == code; });
            a.hinweise.push_back({t->art, t->code,
                                  t->bereich ? std::optional<int>(t->bereich) : std::nullopt,
                                  std::string(t->text), static_cast<int>(i)});
        }
        for (const std::string_view p : platzhalter) {
            if (s.text.find(p) != std::string::npos) {
                a.hinweise.push_back({"platzhalter", std::nullopt, std::nullopt,
                                      "Hier steht noch ein Platzhalter („" + std::string(p) + "“).",
                                      static_cast<int>(i)});
                break;
            }
        }
    }
}

void zeugnishinweiseAnfuegen(Analyse& a) {
    std::array<std::optional<int>, anzahlBereiche + 1> bereichsnote{}; // the worst per section
    std::array<std::optional<int>, anzahlBereiche + 1> ersterSatz{};
    std::vector<int> alle;
    unsigned schluss = 0;
    for (std::size_t i = 0; i < a.saetze.size(); ++i) {
        const Satzanalyse& s = a.saetze[i];
        if (!ersterSatz[s.bereich]) {
            ersterSatz[s.bereich] = static_cast<int>(i);
        }
        schluss |= s.bereich == 13 ? s.schlussteile : 0U;
        if (s.note) {
            alle.push_back(*s.note);
            bereichsnote[s.bereich] = std::max(bereichsnote[s.bereich].value_or(0), *s.note);
        }
    }
    if (alle.size() < 3) {
        return; // too little to be a reference
    }
    const bool ende = a.art != Zeugnistyp::Zwischenzeugnis;
    if (!ersterSatz[10]) {
        fehlt(a, "beredtes_schweigen", 10,
              "Die Zufriedenheitsformel fehlt, die Gesamtbewertung der Leistung. Die übrigen "
              "Sätze ergeben im Mittel die Note " +
                  std::to_string(*median(alle)) + ".");
    }
    if (ende && a.art == Zeugnistyp::Endzeugnis) {
        if (!ersterSatz[11]) {
            fehlt(a, "beredtes_schweigen", 11,
                  "Das Zeugnis sagt nichts über das Verhalten gegenüber Vorgesetzten und "
                  "Kollegen: Dieses Schweigen ist ein schlechtes Zeichen.");
        }
        if (!ersterSatz[13]) {
            fehlt(a, "beredtes_schweigen", 13,
                  "Das Zeugnis endet ohne Schlussformel – kein Dank, keine guten Wünsche. Das "
                  "entspricht der Note 6.");
        } else {
            if (!hat(schluss, Schlussteil::Bedauern)) {
                fehlt(a, "kein_bedauern", 13,
                      "Die Schlussformel bedauert das Ausscheiden nicht; zu den Noten 1 und 2 "
                      "gehört dieses Bedauern.");
            }
            if (!hat(schluss, Schlussteil::Dank)) {
                fehlt(a, "kein_dank", 13,
                      "Die Schlussformel dankt nicht für die Zusammenarbeit; das heißt Note 4 "
                      "oder schlechter.");
            }
            if (!hat(schluss, Schlussteil::Wunsch)) {
                fehlt(a, "keine_zukunftswuensche", 13,
                      "Die Schlussformel wünscht für die Zukunft nichts Gutes; das ist die "
                      "schlechteste Schlussformel.");
            }
        }
    }

    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        if (bereich == beendigungsgrund || !bereichsnote[bereich]) {
            continue;
        }
        std::vector<int> andere;
        for (int b = 1; b <= anzahlBereiche; ++b) {
            if (b != bereich && bereichsnote[b]) {
                andere.push_back(*bereichsnote[b]);
            }
        }
        const std::optional<int> mitte = median(andere);
        if (andere.size() >= 2 && *bereichsnote[bereich] - *mitte >= 2) {
            a.hinweise.push_back(
                {"ausreisser", std::nullopt, std::nullopt,
                 "„" + std::string(bewertungsbereich(bereich).name) + "“ ist mit der Note " +
                     std::to_string(*bereichsnote[bereich]) +
                     " deutlich schlechter als die übrigen Bereiche (im Mittel Note " +
                     std::to_string(*mitte) + ").",
                 ersterSatz[bereich]});
        }
    }

    if (a.art == Zeugnistyp::Unbekannt) {
        return;
    }
    const int richtig = ende ? -1 : 1;
    int passend = 0;
    int falsch = 0;
    std::optional<int> ersterFalscher;
    for (std::size_t i = 0; i < a.saetze.size(); ++i) {
        const Satzanalyse& s = a.saetze[i];
        if (s.bekannt || !s.note || s.bereich == 12 || s.bereich == 13 || s.zeitform == 0) {
            continue;
        }
        if (s.zeitform == richtig) {
            ++passend;
        } else {
            ++falsch;
            ersterFalscher = ersterFalscher.value_or(static_cast<int>(i));
        }
    }
    if (falsch > passend) {
        a.hinweise.push_back(
            {"zeitform", std::nullopt, std::nullopt,
             ende ? "Ein Endzeugnis spricht in der Vergangenheit; hier stehen bewertende Sätze in "
                    "der Gegenwart, als sei das Arbeitsverhältnis nicht beendet."
                  : "Ein Zwischenzeugnis spricht in der Gegenwart; hier stehen bewertende Sätze in "
                    "der Vergangenheit, als sei das Arbeitsverhältnis schon beendet.",
             ersterFalscher});
    }
}

} // namespace velmora
