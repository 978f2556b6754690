#include "bausteine/platzhalter.h"

#include "compose/anredeformen.h"
#include "compose/phrasen.h"
#include "encoding/zeichensatz.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velmora {

namespace {

// The gendered words that stand as words of their own; the endings (-r, -e, -in, -n) are
// parts of other words and stay as written.
constexpr int ganzeWoerter = static_cast<int>(Anrede::Herrn) + 1;

// Words that also mean something else: several people, "their", the verb "to be".
constexpr std::array<std::string_view, 16> mehrdeutige = {
    "sie",   "Sie",   "ihr",   "Ihr",   "ihre",  "Ihre",  "ihren", "Ihren",
    "ihrem", "Ihrem", "ihres", "Ihres", "ihrer", "Ihrer", "sein",  "Sein",
};

// After these words "Frau" is the object of the sentence: a man is then "Herrn".
constexpr std::array<std::string_view, 16> vorObjekt = {
    "an",   "für",  "von",    "mit",      "bei",          "zu",         "gegen",     "durch",
    "ohne", "nach", "danken", "wünschen", "bescheinigen", "bestätigen", "verlieren", "gegenüber",
};

// "sie" is "her" after these words; elsewhere, as mostly in a reference, "she".
constexpr std::array<std::string_view, 5> vorAkkusativ = {"für", "gegen", "durch", "ohne", "um"};

// "ihr" is "to her" after these words, and before these or the sentence's punctuation;
// before other words it is "her" ("ihr ruhiges Wesen").
constexpr std::array<std::string_view, 8> vorDativ = {
    "mit", "von", "zu", "bei", "aus", "nach", "seit", "gegenüber",
};
constexpr std::array<std::string_view, 22> nachDativ = {
    "",      "für",      "alles",     "zu",         "gegenüber", "weiterhin", "viel",   "den",
    "die",   "das",      "ein",       "eine",       "einen",     "unser",     "unsere", "auch",
    "dafür", "herzlich", "beruflich", "persönlich", "gern",      "gerne",
};

// Where the word that begins at `anfang` ends.
std::size_t wortende(std::string_view text, std::size_t anfang) {
    std::size_t pos = anfang;
    while (pos < text.size()) {
        std::size_t weiter = pos;
        if (!wortzeichen(naechsterCodepunkt(text, weiter))) {
            break;
        }
        pos = weiter;
    }
    return pos;
}

bool wortgrenze(std::string_view text, std::size_t pos) {
    return pos >= text.size() || !wortzeichen(naechsterCodepunkt(text, pos));
}

// The word with a small first letter, when it begins with a capital A to Z.
std::optional<std::string> kleingeschrieben(std::string_view wort) {
    if (wort.empty() || wort[0] < 'A' || wort[0] > 'Z') {
        return std::nullopt;
    }
    std::string klein(wort);
    klein[0] = static_cast<char>(klein[0] - 'A' + 'a');
    return klein;
}

template <typename Liste> bool enthaelt(const Liste& liste, std::string_view wort) {
    return std::ranges::find(liste, wort) != std::ranges::end(liste);
}

std::string grossgeschrieben(std::string_view wort) {
    std::string gross(wort);
    if (!gross.empty() && gross[0] >= 'a' && gross[0] <= 'z') {
        gross[0] = static_cast<char>(gross[0] - 'a' + 'A');
    }
    return gross;
}

// The slots a gendered word of `formen` may stand for, as written ("Sie": Er).
std::vector<std::string_view> slotsFuer(const Anredeformen& formen, std::string_view wort) {
    std::vector<std::string_view> slots;
    for (int i = 0; i < ganzeWoerter; ++i) {
        if (formen.woerter[i] == wort) {
            slots.push_back(anredeSlots[i]);
        }
    }
    return slots;
}

// The slot of one word, or nothing. Where one word serves two slots ("Frau" is Herr and
// Herrn, "ihr" sein and ihm), the neighbouring words decide.
std::optional<std::string> slotFuer(const Anredeformen& formen, std::string_view wort,
                                    std::string_view vorher, std::string_view danach) {
    bool gross = false;
    std::vector<std::string_view> slots = slotsFuer(formen, wort);
    if (const auto klein = kleingeschrieben(wort); slots.empty() && klein) {
        // A word at a sentence's start: "Ihrem" is {Seinem}.
        slots = slotsFuer(formen, *klein);
        gross = true;
    }
    if (slots.empty()) {
        return std::nullopt;
    }
    std::string_view slot = slots.front();
    if (slots.size() > 1 && enthaelt(slots, anredeSlots[int(Anrede::Herrn)])) {
        slot = enthaelt(vorObjekt, vorher) ? "Herrn" : "Herr";
    } else if (slots.size() > 1 && enthaelt(slots, anredeSlots[int(Anrede::ihn)])) {
        slot = enthaelt(vorAkkusativ, vorher) ? "ihn" : "er";
    } else if (slots.size() > 1) {
        slot = enthaelt(vorDativ, vorher) || enthaelt(nachDativ, danach) ? "ihm" : "sein";
    }
    return gross ? grossgeschrieben(slot) : std::string(slot);
}

// The word after `pos`, with nothing but blanks between; empty after punctuation.
std::string_view folgewort(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    return text.substr(pos, wortende(text, pos) - pos);
}

void geschuetztAnhaengen(std::string_view text, std::string& ziel) {
    for (const char c : text) {
        ziel += c;
        if (c == '{') {
            ziel += '{';
        }
    }
}

} // namespace

std::vector<Ersetzung> ersetzungenFinden(std::string_view text, int geschlecht,
                                         std::string_view vorname, std::string_view name) {
    const Anredeformen& formen = Anredeformen::fuer(geschlecht);
    // The longer name first, so that one that begins with the other is found whole.
    std::array<std::pair<std::string_view, std::string_view>, 2> namen = {
        {{beschnitten(name), eingabeSlots[int(Eingabe::Name)]},
         {beschnitten(vorname), eingabeSlots[int(Eingabe::Vorname)]}}};
    std::ranges::sort(namen, std::greater{}, [](const auto& n) { return n.first.size(); });

    std::vector<Ersetzung> ersetzungen;
    std::string_view vorher;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t anfang = pos;
        if (!wortzeichen(naechsterCodepunkt(text, pos))) {
            continue;
        }
        const auto genannt = std::ranges::find_if(namen, [&](const auto& n) {
            return !n.first.empty() && text.substr(anfang).starts_with(n.first) &&
                   wortgrenze(text, anfang + n.first.size());
        });
        if (genannt != namen.end()) {
            ersetzungen.push_back(
                {anfang, std::string(genannt->first), std::string(genannt->second), false});
            pos = anfang + genannt->first.size();
            vorher = genannt->first;
            continue;
        }
        pos = wortende(text, anfang);
        const std::string_view wort = text.substr(anfang, pos - anfang);
        if (auto slot = slotFuer(formen, wort, vorher, folgewort(text, pos))) {
            ersetzungen.push_back(
                {anfang, std::string(wort), std::move(*slot), enthaelt(mehrdeutige, wort)});
        }
        vorher = wort;
    }
    return ersetzungen;
}

std::string slottext(std::string_view text, const std::vector<Ersetzung>& ersetzungen,
                     const std::vector<bool>& an) {
    std::string ergebnis;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < ersetzungen.size(); ++i) {
        const Ersetzung& e = ersetzungen[i];
        geschuetztAnhaengen(text.substr(pos, e.stelle - pos), ergebnis);
        if (i < an.size() && an[i]) {
            ergebnis += '{' + e.slot + '}';
        } else {
            geschuetztAnhaengen(e.wort, ergebnis);
        }
        pos = e.stelle + e.wort.size();
    }
    geschuetztAnhaengen(text.substr(std::min(pos, text.size())), ergebnis);
    return ergebnis;
}

namespace {

// What a slot stands for in a reference of `formen`, or nothing for a name unknown here.
std::optional<std::string> slotwert(std::string_view slot, const Anredeformen& formen,
                                    const Zeugnisdaten& daten) {
    if (const int e = detail::slotIndex(eingabeSlots, slot); e >= 0) {
        return daten.texte[e];
    }
    if (slot == aufgabenbereichSlot) {
        return daten.aufgaben.bereich;
    }
    if (const int a = detail::slotIndex(anredeSlots, slot); a >= 0) {
        return std::string(formen.woerter[a]);
    }
    if (const auto klein = kleingeschrieben(slot)) {
        if (auto wert = slotwert(*klein, formen, daten)) {
            return grossgeschrieben(*wert);
        }
    }
    return std::nullopt;
}

} // namespace

std::string bausteinFuellen(std::string_view vorlage, int geschlecht, const Zeugnisdaten& daten) {
    const Anredeformen& formen = Anredeformen::fuer(geschlecht);
    std::string text;
    std::size_t pos = 0;
    while (pos < vorlage.size()) {
        const std::size_t auf = vorlage.find('{', pos);
        text.append(vorlage.substr(pos, auf - pos));
        if (auf == std::string_view::npos) {
            break;
        }
        if (vorlage.substr(auf).starts_with("{{")) {
            text += '{';
            pos = auf + 2;
            continue;
        }
        const std::size_t zu = vorlage.find('}', auf);
        const std::optional<std::string> wert =
            zu == std::string_view::npos
                ? std::nullopt
                : slotwert(vorlage.substr(auf + 1, zu - auf - 1), formen, daten);
        if (wert) {
            text += *wert;
            pos = zu + 1;
        } else {
            text += '{';
            pos = auf + 1;
        }
    }
    return text;
}

} // namespace velmora
