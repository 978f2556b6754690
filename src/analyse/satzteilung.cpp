#include "analyse/satzteilung.h"

#include "encoding/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// A dot after these (compared in lower case) ends no sentence.
constexpr std::array abkuerzungen = {
    "dr"sv,   "prof"sv, "dipl"sv,    "ing"sv,       "dipl.-ing"sv,  "bzw"sv,       "ca"sv,
    "ggf"sv,  "inkl"sv, "geb"sv,     "ppa"sv,       "nr"sv,         "str"sv,       "mio"sv,
    "mrd"sv,  "evtl"sv, "vgl"sv,     "bspw"sv,      "d.h"sv,        "z.b"sv,       "u.a"sv,
    "o.ä"sv,  "u.ä"sv,  "i.v"sv,     "abt"sv,       "tel"sv,        "gem"sv,       "lt"sv,
    "sog"sv,  "zzgl"sv, "einschl"sv, "hr"sv,        "fr"sv,         "max"sv,       "min"sv,
    "mind"sv, "kfm"sv,  "techn"sv,   "bzgl"sv,      "v.a"sv,        "u.v.m"sv,     "sen"sv,
    "jun"sv,  "allg"sv, "z.t"sv,     "dipl.-kfm"sv, "dipl.-kffr"sv, "betriebsw"sv, "st"sv,
    "jh"sv,   "tsd"sv,  "abs"sv,     "art"sv,       "ltd"sv,        "stellv"sv,
};

// After "usw." or "etc." a new sentence begins only with a word that opens one.
constexpr std::array satzanfaenge = {
    "Er"sv,    "Sie"sv,   "Wir"sv,      "Herr"sv,    "Frau"sv, "Die"sv, "Der"sv,  "Das"sv,
    "Dabei"sv, "Zudem"sv, "Außerdem"sv, "Darüber"sv, "Auch"sv, "Ihr"sv, "Ihre"sv, "Sein"sv,
    "Seine"sv, "Dank"sv,  "Aufgrund"sv, "In"sv,      "Mit"sv,  "Zu"sv,  "Bei"sv,  "Durch"sv,
};

constexpr std::array monate = {
    "januar"sv, "jänner"sv, "februar"sv,   "märz"sv,    "april"sv,    "mai"sv,      "juni"sv,
    "juli"sv,   "august"sv, "september"sv, "oktober"sv, "november"sv, "dezember"sv,
};

constexpr std::array aufzaehlungszeichen = {"-"sv, "–"sv, "—"sv, "•"sv, "·"sv,
                                            "*"sv, "▪"sv, "►"sv, "○"sv, "o"sv};

// After a hyphen at a line end these keep the hyphen and a blank: "Kunden- und Lieferanten…".
constexpr std::array bindewoerter = {"und"sv, "oder"sv, "bzw."sv, "sowie"sv};

template <std::size_t N>
bool enthalten(const std::array<std::string_view, N>& liste, std::string_view wort) {
    return std::find(liste.begin(), liste.end(), wort) != liste.end();
}

std::string klein(std::string_view text) {
    std::string ergebnis(text);
    for (char& c : ergebnis) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // The upper-case umlauts of UTF-8 differ from the lower-case ones in one bit.
    for (std::size_t i = 0; i + 1 < ergebnis.size(); ++i) {
        if (ergebnis[i] == '\xC3' &&
            (ergebnis[i + 1] == '\x84' || ergebnis[i + 1] == '\x96' || ergebnis[i + 1] == '\x9C')) {
            ergebnis[i + 1] = static_cast<char>(ergebnis[i + 1] | 0x20);
        }
    }
    return ergebnis;
}

bool istGross(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(text[0]);
    return std::isupper(c) || text.starts_with("Ä") || text.starts_with("Ö") ||
           text.starts_with("Ü");
}

bool istKlein(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(text[0]);
    return std::islower(c) || text.starts_with("ä") || text.starts_with("ö") ||
           text.starts_with("ü") || text.starts_with("ß");
}

// Blanks of any kind as one; no blank at either end.
std::string zusammengefasst(std::string_view text) {
    std::string ergebnis;
    bool leerstelle = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t von = pos;
        const char32_t cp = naechsterCodepunkt(text, pos);
        if (cp == ' ' || cp == '\t' || cp == 0xA0 || cp == 0x202F ||
            (cp >= 0x2000 && cp <= 0x200A)) {
            leerstelle = !ergebnis.empty();
            continue;
        }
        if (leerstelle) {
            ergebnis += ' ';
            leerstelle = false;
        }
        ergebnis.append(text.substr(von, pos - von));
    }
    return ergebnis;
}

std::string_view erstesWort(std::string_view zeile) {
    return zeile.substr(0, zeile.find(' '));
}

bool endetMitTrennstrich(std::string_view zeile) {
    if (zeile.size() < 2 || zeile.back() != '-') {
        return false;
    }
    const char davor = zeile[zeile.size() - 2];
    return std::isalpha(static_cast<unsigned char>(davor)) || (davor & 0x80) != 0;
}

// A line left over from the page: "Seite 1 von 2", "- 2 -", a number alone, a rule of
// underscores or dashes.
bool seitenrest(std::string_view zeile) {
    if (std::all_of(zeile.begin(), zeile.end(), [](char c) {
            return c == '_' || c == '-' || c == '=' || c == ' ' || c == '*';
        })) {
        return true;
    }
    std::string_view rest = zeile;
    if (klein(rest.substr(0, 6)) == "seite ") {
        rest.remove_prefix(6);
    }
    return std::all_of(rest.begin(), rest.end(),
                       [](char c) {
                           return std::isdigit(static_cast<unsigned char>(c)) || c == ' ' ||
                                  c == '-' || c == '/' || c == 'v' || c == 'o' || c == 'n';
                       }) &&
           std::any_of(rest.begin(), rest.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The text of a list item without its mark, or nothing when the line is no item.
std::optional<std::string_view> aufzaehlungspunkt(std::string_view zeile) {
    const std::string_view wort = erstesWort(zeile);
    if (wort.size() == zeile.size()) {
        return std::nullopt;
    }
    const std::string_view rest = zeile.substr(wort.size() + 1);
    if (enthalten(aufzaehlungszeichen, wort)) {
        return rest;
    }
    // "1." or "a)" — but "1. April 2020 …" is a date.
    const bool nummer =
        wort.size() <= 3 && (wort.back() == '.' || wort.back() == ')') &&
        std::all_of(wort.begin(), wort.end() - 1, [&](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) ||
                   (wort.back() == ')' && std::islower(static_cast<unsigned char>(c)));
        });
    if (nummer && !enthalten(monate, klein(erstesWort(rest)))) {
        return rest;
    }
    return std::nullopt;
}

bool ueberschrift(std::string_view zeile) {
    int buchstaben = 0;
    for (const char c : zeile) {
        if (std::islower(static_cast<unsigned char>(c))) {
            return false;
        }
        buchstaben += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    }
    return buchstaben >= 3 && std::count(zeile.begin(), zeile.end(), ' ') < 5;
}

// Whether the dot at `pos` of `text` ends a sentence.
bool punktEndet(std::string_view text, std::size_t pos) {
    if ((pos > 0 && text[pos - 1] == '.') || (pos + 1 < text.size() && text[pos + 1] == '.')) {
        return false; // "...": something left out
    }
    std::size_t anfang = text.rfind(' ', pos);
    anfang = anfang == std::string_view::npos ? 0 : anfang + 1;
    std::string_view davor = text.substr(anfang, pos - anfang);
    while (!davor.empty() && (davor.front() == '(' || davor.front() == '"')) {
        davor.remove_prefix(1);
    }
    std::size_t naechstes = pos + 1;
    while (naechstes < text.size() && text[naechstes] != ' ') {
        ++naechstes;
    }
    const std::string_view danach =
        naechstes < text.size() ? erstesWort(text.substr(naechstes + 1)) : std::string_view{};
    const std::string kleinDavor = klein(davor);
    if (kleinDavor == "usw" || kleinDavor == "etc") {
        return danach.empty() || enthalten(satzanfaenge, danach);
    }
    // "Hauptstr." as well as "Str."
    if (enthalten(abkuerzungen, kleinDavor) ||
        (kleinDavor.size() > 3 && kleinDavor.ends_with("str"))) {
        return false;
    }
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < davor.size(); naechsterCodepunkt(davor, i)) {
        ++zeichen;
    }
    if (zeichen == 1 && !std::isdigit(static_cast<unsigned char>(davor[0]))) {
        return false; // an initial, or "z. B."
    }
    if (danach.empty()) {
        return true;
    }
    const bool zahl =
        !davor.empty() && davor.size() <= 2 && std::all_of(davor.begin(), davor.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
    if (zahl && (enthalten(monate, klein(danach)) || !istGross(danach))) {
        return false; // "1. April", "am 3. des Monats"
    }
    return !istKlein(danach);
}

// The end of the sentence that began at `von`, past its mark and a closing quote; npos when
// the text ends without one.
std::size_t satzende(std::string_view text, std::size_t von) {
    for (std::size_t pos = von; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c != '.' && c != '!' && c != '?') {
            continue;
        }
        std::size_t ende = pos + 1;
        while (ende < text.size() && (text[ende] == '"' || text[ende] == ')' ||
                                      text.substr(ende, 3) == "“" || text.substr(ende, 3) == "”")) {
            ende += text[ende] == '"' || text[ende] == ')' ? 1 : 3;
        }
        if (ende < text.size() && text[ende] != ' ') {
            continue;
        }
        if (c != '.' || punktEndet(text, pos)) {
            return ende;
        }
    }
    return std::string_view::npos;
}

// A paragraph: its sentences; lines at its end that end no sentence stay lines.
void absatzTeilen(const std::vector<std::string>& zeilen, std::vector<Textstueck>& stuecke) {
    std::string text;
    std::vector<std::size_t> zeilenanfaenge;
    for (const std::string& zeile : zeilen) {
        text += text.empty() ? "" : " ";
        zeilenanfaenge.push_back(text.size());
        text += zeile;
    }
    std::size_t von = 0;
    while (von < text.size()) {
        const std::size_t ende = satzende(text, von);
        if (ende == std::string::npos) {
            const auto zeile = std::find(zeilenanfaenge.begin(), zeilenanfaenge.end(), von);
            if (zeile == zeilenanfaenge.end()) {
                stuecke.push_back({text.substr(von), Textstueck::Art::Satz});
            } else {
                for (auto z = zeilen.begin() + (zeile - zeilenanfaenge.begin()); z != zeilen.end();
                     ++z) {
                    stuecke.push_back({*z, Textstueck::Art::Zeile});
                }
            }
            return;
        }
        stuecke.push_back({text.substr(von, ende - von), Textstueck::Art::Satz});
        von = ende + 1;
    }
}

// Lines joined where a word was broken at the line end.
std::vector<std::string> zeilenMitTrennungen(std::string_view text) {
    std::vector<std::string> zeilen;
    bool fortsetzung = false;
    for (std::size_t von = 0; von <= text.size();) {
        const std::size_t ende = std::min(text.find('\n', von), text.size());
        std::string zeile = zusammengefasst(text.substr(von, ende - von));
        von = ende + 1;
        if (fortsetzung && !zeile.empty()) {
            std::string& davor = zeilen.back();
            const std::string_view wort = erstesWort(zeile);
            if (enthalten(bindewoerter, wort)) {
                davor += ' ' + zeile;
            } else if (istKlein(wort)) {
                davor.pop_back();
                davor += zeile;
            } else {
                davor += zeile;
            }
        } else {
            zeilen.push_back(std::move(zeile));
        }
        fortsetzung = endetMitTrennstrich(zeilen.back());
        if (ende == text.size()) {
            break;
        }
    }
    return zeilen;
}

} // namespace

std::vector<Textstueck> textTeilen(std::string_view text) {
    std::vector<Textstueck> stuecke;
    std::vector<std::string> absatz;
    const auto absatzEnde = [&] {
        if (!absatz.empty()) {
            absatzTeilen(absatz, stuecke);
            absatz.clear();
        }
    };
    for (const std::string& zeile : zeilenMitTrennungen(text)) {
        if (zeile.empty()) {
            absatzEnde();
        } else if (seitenrest(zeile)) {
            continue; // a page break may fall within a sentence
        } else if (const auto punkt = aufzaehlungspunkt(zeile)) {
            absatzEnde();
            stuecke.push_back({std::string(*punkt), Textstueck::Art::Aufzaehlung});
        } else if (ueberschrift(zeile)) {
            absatzEnde();
            stuecke.push_back({zeile, Textstueck::Art::Zeile});
        } else if (!stuecke.empty() && absatz.empty() &&
                   stuecke.back().art == Textstueck::Art::Aufzaehlung && istKlein(zeile)) {
            stuecke.back().text += ' ' + zeile; // an item that runs on
        } else {
            absatz.push_back(zeile);
        }
    }
    absatzEnde();
    return stuecke;
}

} // namespace velmora
