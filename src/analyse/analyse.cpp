#include "analyse/analyse.h"

#include "analyse/bekanntetexte.h"
#include "analyse/hinweise.h"
#include "analyse/regeln.h"
#include "analyse/satzteilung.h"
#include "analyse/woerter.h"
#include "compose/bewertungsbereich.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

// The fifth, a fixed term run out, is a reason too, but none of the three.
constexpr std::array<std::string_view, 5> gruende = {"unklar", "arbeitnehmer", "arbeitgeber",
                                                     "aufhebungsvertrag", "unklar"};
constexpr std::array<std::string_view, 5> anlaesse = {"sonstiges", "wunsch", "vorgesetztenwechsel",
                                                      "umstrukturierung", "sonstiges"};

// A line shorter than this that ends no sentence is a heading, an address or a signature.
constexpr std::size_t kuerzesteZeile = 5;

constexpr std::array<std::string_view, 5> endzeugnisTitel = {
    "zeugnis", "arbeitszeugnis", "endzeugnis", "dienstzeugnis", "qualifiziertes arbeitszeugnis"};

bool enthaelt(const std::string& form, std::string_view teil) {
    return (" " + form + " ").find(teil) != std::string::npos;
}

// The kind by the heading, by how the opening tells the employment, else by the tense most
// rated sentences use.
Zeugnistyp zeugnistyp(const std::vector<Textstueck>& stuecke,
                      const std::vector<const BekannterSatz*>& bekannt) {
    int vergangen = 0;
    int gegenwart = 0;
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        const std::string form = vergleichsform(stuecke[i].text);
        if (enthaelt(form, "zwischenzeugnis") || enthaelt(form, " ist seit ")) {
            return Zeugnistyp::Zwischenzeugnis;
        }
        if (std::find(endzeugnisTitel.begin(), endzeugnisTitel.end(), form) !=
                endzeugnisTitel.end() ||
            enthaelt(form, " trat am ") || enthaelt(form, " war vom ") ||
            enthaelt(form, " scheidet ") || enthaelt(form, " verlässt ")) {
            return Zeugnistyp::Endzeugnis;
        }
        if (bekannt[i] && bekannt[i]->arten != 3U) {
            (bekannt[i]->arten == 1U ? vergangen : gegenwart) += 1;
        } else if (stuecke[i].art == Textstueck::Art::Satz) {
            const int zeit = satzBewerten(stuecke[i].text, Zeugnistyp::Unbekannt).zeitform;
            vergangen += zeit < 0 ? 1 : 0;
            gegenwart += zeit > 0 ? 1 : 0;
        }
    }
    return vergangen > gegenwart   ? Zeugnistyp::Endzeugnis
           : gegenwart > vergangen ? Zeugnistyp::Zwischenzeugnis
                                   : Zeugnistyp::Unbekannt;
}

void grundSetzen(Satzanalyse& s, int grund, bool zwischen) {
    if (zwischen) {
        s.anlass = anlaesse[std::clamp(grund, 0, 4)];
    } else {
        s.grund = gruende[std::clamp(grund, 0, 4)];
    }
}

// What a sentence is read within: the kind of reference, the section it was written for, the
// section of the sentence before it, whether the reference names the superiors anywhere.
struct Umfeld {
    Zeugnistyp typ;
    int vorgabe;
    int voriger;
    bool vorgesetzte;
};

Satzanalyse satzLesen(const Textstueck& stueck, const BekannterSatz* bekannt, const Umfeld& u) {
    const Zeugnistyp typ = u.typ;
    const int vorgabe = u.vorgabe;
    Satzanalyse s;
    s.text = stueck.text;
    if (stueck.art == Textstueck::Art::Aufzaehlung ||
        (!bekannt && stueck.art == Textstueck::Art::Zeile &&
         woerter(stueck.text).size() < kuerzesteZeile)) {
        s.bereich = std::max(vorgabe, 0);
        return s;
    }
    Satzbewertung regel =
        satzBewerten(stueck.text, typ, bekannt ? bekannt->bereich : vorgabe, u.vorgesetzte);
    if (regel.lobOhneBereich && u.voriger >= 1 && u.voriger <= 11) {
        // Praise that names no section goes on with the sentence before it.
        regel = satzBewerten(stueck.text, typ, u.voriger, u.vorgesetzte);
    }
    s.bereich = regel.bereich;
    s.signale = regel.signale;
    s.erklaerungen = regel.erklaerungen;
    s.schlussteile = regel.schlussteile;
    s.zeitform = regel.zeitform;
    s.codes = regel.codes;
    if (!bekannt) {
        s.note = regel.note ? std::optional<int>(regel.note) : std::nullopt;
        if (s.bereich == beendigungsgrund) {
            grundSetzen(s, regel.grund,
                        typ == Zeugnistyp::Zwischenzeugnis ||
                            (typ == Zeugnistyp::Unbekannt &&
                             vergleichsform(s.text).find("zwischenzeugnis") != std::string::npos));
        }
        return s;
    }
    // A known text has its library's section and grade; a sentence several grades share
    // decides none of them, unless the rules find one of those.
    s.bekannt = true;
    if (s.bereich == beendigungsgrund) {
        s.codes.clear();
        grundSetzen(s, bekannt->note(), bekannt->arten == 2U);
        return s;
    }
    const int note = bekannt->note();
    if (note != 0) {
        s.note = note;
    } else if (regel.note != 0 && (bekannt->noten >> regel.note & 1U) != 0) {
        s.note = regel.note;
    }
    if (!s.note || *s.note < 5) {
        s.codes.clear();
    }
    return s;
}

// The closing read as one: its parts may stand in several sentences. A final reference's
// closing that neither thanks nor wishes well is a 6.
void schlussformelLesen(Analyse& a) {
    unsigned teile = 0;
    int lob = 0;
    bool leistungen = false;
    bool benotet = false;
    Satzanalyse* letzter = nullptr;
    for (Satzanalyse& s : a.saetze) {
        if (s.bereich != 13) {
            continue;
        }
        letzter = &s;
        benotet = benotet || s.note.has_value();
        if (!s.bekannt) {
            teile |= s.schlussteile;
            const int satzlob = satzBewerten(s.text, a.art, 13).lob;
            lob = satzlob != 0 && (lob == 0 || satzlob < lob) ? satzlob : lob;
            leistungen = leistungen || vergleichsform(s.text).find("leistung") != std::string::npos;
        }
    }
    if (!letzter) {
        return;
    }
    if (!benotet && a.art != Zeugnistyp::Zwischenzeugnis) {
        letzter->note = 6;
        letzter->erklaerungen.push_back("Ohne Dank und gute Wünsche ist die Schlussformel eine 6.");
        return;
    }
    const bool zwischen = a.art == Zeugnistyp::Zwischenzeugnis ||
                          (a.art == Zeugnistyp::Unbekannt && zwischenSchluss(teile));
    const int note = schlussnote(teile, lob, zwischen, leistungen);
    for (Satzanalyse& s : a.saetze) {
        if (s.bereich == 13 && !s.bekannt && s.note && note != 0) {
            s.note = note;
        }
    }
}

Analyse analysieren(std::string_view bytes, const Analyseoptionen& optionen, bool ganz) {
    const std::vector<Textstueck> stuecke = textTeilen(alsText(bytes));
    std::vector<const BekannterSatz*> bekannt(stuecke.size(), nullptr);
    if (optionen.bekannteTexte) {
        for (std::size_t i = 0; i < stuecke.size(); ++i) {
            if (stuecke[i].art != Textstueck::Art::Aufzaehlung) {
                bekannt[i] = bekannterSatz(stuecke[i].text);
            }
        }
    }
    Analyse a;
    a.art = zeugnistyp(stuecke, bekannt);
    const bool vorgesetzte = std::any_of(stuecke.begin(), stuecke.end(), [](const Textstueck& s) {
        return s.art == Textstueck::Art::Satz &&
               vergleichsform(s.text).find("vorgesetzt") != std::string::npos;
    });
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        const int voriger = a.saetze.empty() ? 0 : a.saetze.back().bereich;
        a.saetze.push_back(
            satzLesen(stuecke[i], bekannt[i], {a.art, optionen.bereich, voriger, vorgesetzte}));
    }
    schlussformelLesen(a);
    for (const Satzanalyse& s : a.saetze) {
        if (s.bereich == 10 && s.note) {
            a.gesamtnote = std::max(a.gesamtnote.value_or(0), *s.note);
        }
    }
    satzhinweiseAnfuegen(a);
    if (ganz) {
        zeugnishinweiseAnfuegen(a);
    }
    return a;
}

} // namespace

Analyse zeugnisAnalysieren(std::string_view text, const Analyseoptionen& optionen) {
    return analysieren(text, optionen, true);
}

Analyse textAnalysieren(std::string_view text, const Analyseoptionen& optionen) {
    return analysieren(text, optionen, false);
}

} // namespace velmora
