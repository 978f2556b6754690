#include "einlesen/pdfleser.h"

#include "einlesen/textzeichen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>
#include <regex>
#include <vector>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// A reference has a few pages; more is no reference, or a file made to keep the reader busy.
constexpr int meistSeiten = 100;

// Lines a page number may stand in: the top and bottom eighth of the page.
constexpr double randanteil = 0.125;
// Lines at the same place on two pages stand less than this apart (points).
constexpr double gleicheStelle = 2.0;
// A gap between two lines wider than this many line heights separates two paragraphs.
constexpr double absatzabstand = 1.4;

// Ligatures some writers set as one glyph, read as their letters.
struct Ligatur {
    std::string_view zeichen;
    std::string_view buchstaben;
};
constexpr std::array ligaturen{Ligatur{"ﬀ"sv, "ff"sv},  Ligatur{"ﬁ"sv, "fi"sv},
                               Ligatur{"ﬂ"sv, "fl"sv},  Ligatur{"ﬃ"sv, "ffi"sv},
                               Ligatur{"ﬄ"sv, "ffl"sv}, Ligatur{"ﬅ"sv, "st"sv},
                               Ligatur{"ﬆ"sv, "st"sv},  Ligatur{"\u00AD"sv, ""sv}};

struct Zeile {
    double oben = 0;
    double hoehe = 0;
    std::string text;
};

void wortAnhaengen(const poppler::ustring& wort, std::string& ziel) {
    const poppler::byte_array utf8 = wort.to_utf8();
    std::string text;
    textzeichenAnhaengen(std::string_view(utf8.data(), utf8.size()), text);
    for (const Ligatur& l : ligaturen) {
        for (std::size_t pos; (pos = text.find(l.zeichen)) != std::string::npos;) {
            text.replace(pos, l.zeichen.size(), l.buchstaben);
        }
    }
    ziel += text;
}

// The page's words in reading order, gathered into lines: a word whose middle lies off the
// line's middle by more than half its height begins a new line.
std::vector<Zeile> zeilen(const poppler::page& seite) {
    std::vector<Zeile> ergebnis;
    bool blankDanach = false;
    for (const poppler::text_box& wort : seite.text_list()) {
        const poppler::rectf rahmen = wort.bbox();
        const double mitte = rahmen.y() + rahmen.height() / 2;
        if (ergebnis.empty() ||
            std::abs(mitte - (ergebnis.back().oben + ergebnis.back().hoehe / 2)) >
                rahmen.height() / 2) {
            ergebnis.push_back({rahmen.y(), rahmen.height(), {}});
        } else if (blankDanach) {
            ergebnis.back().text += ' ';
        }
        wortAnhaengen(wort.text(), ergebnis.back().text);
        blankDanach = wort.has_space_after();
    }
    std::erase_if(ergebnis, [](const Zeile& z) { return z.text.empty(); });
    return ergebnis;
}

// "3", "- 3 -", "Seite 3", "Seite 3 von 4", "3/4", "S. 3".
bool istSeitenzahl(const std::string& text) {
    static const std::regex muster(
        R"(\s*((Seite|S\.)\s*)?((-|–)\s*)?\d+(\s*(-|–))?(\s*(von|/)\s*\d+)?\s*)",
        std::regex::icase | std::regex::optimize);
    return std::regex_match(text, muster);
}

// A line's text as it repeats on every page: its digits, the page number among them, alike.
std::string muster(const std::string& text) {
    std::string ergebnis = text;
    std::ranges::replace_if(
        ergebnis, [](char c) { return c >= '0' && c <= '9'; }, '#');
    return ergebnis;
}

bool anGleicherStelle(const Zeile& a, const std::string& musterA, const Zeile& b) {
    return std::abs(a.oben - b.oben) <= gleicheStelle && muster(b.text) == musterA;
}

// Drops page numbers at the top or bottom of a page, and the lines that stand at the same
// place on every page of a document of more than one.
void kopfUndFussEntfernen(std::vector<std::vector<Zeile>>& seiten,
                          const std::vector<double>& seitenhoehen) {
    std::vector<std::pair<Zeile, std::string>> wiederholt;
    if (seiten.size() > 1) {
        for (const Zeile& zeile : seiten.front()) {
            const std::string m = muster(zeile.text);
            if (std::ranges::all_of(seiten, [&](const std::vector<Zeile>& seite) {
                    return std::ranges::any_of(
                        seite, [&](const Zeile& z) { return anGleicherStelle(zeile, m, z); });
                })) {
                wiederholt.emplace_back(zeile, m);
            }
        }
    }
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const double rand = seitenhoehen[i] * randanteil;
        std::erase_if(seiten[i], [&](const Zeile& z) {
            const bool amRand = z.oben < rand || z.oben + z.hoehe > seitenhoehen[i] - rand;
            return (amRand && istSeitenzahl(z.text)) ||
                   std::ranges::any_of(wiederholt, [&](const auto& w) {
                       return anGleicherStelle(w.first, w.second, z);
                   });
        });
    }
}

// A line of text a line, a blank line where the gap to the next line is a paragraph's.
void seiteAnhaengen(const std::vector<Zeile>& seite, std::string& text) {
    std::vector<double> abstaende;
    for (std::size_t i = 1; i < seite.size(); ++i) {
        if (seite[i].oben > seite[i - 1].oben) {
            abstaende.push_back(seite[i].oben - seite[i - 1].oben);
        }
    }
    std::ranges::sort(abstaende);
    const double zeilenabstand = abstaende.empty() ? 0 : abstaende[abstaende.size() / 2];
    for (std::size_t i = 0; i < seite.size(); ++i) {
        if (i > 0) {
            const double hoehe = std::min(zeilenabstand, seite[i - 1].hoehe);
            if (seite[i].oben - seite[i - 1].oben > absatzabstand * hoehe) {
                text += '\n';
            }
        }
        text += seite[i].text;
        text += '\n';
    }
}

void stillesProtokoll(const std::string&, void*) {}

} // namespace

Eingelesen pdfLesen(std::string_view bytes) {
    poppler::set_debug_error_function(stillesProtokoll, nullptr); // the caller tells the user
    const std::unique_ptr<poppler::document> dokument(poppler::document::load_from_raw_data(
        bytes.data(), static_cast<int>(std::min<std::size_t>(bytes.size(), INT32_MAX))));
    if (!dokument) {
        return Eingelesen::mitFehler("Das PDF ist beschädigt und kann nicht gelesen werden.");
    }
    if (dokument->pages() > meistSeiten) {
        return Eingelesen::mitFehler("Das PDF hat mehr als 100 Seiten; so lang ist kein "
                                     "Arbeitszeugnis.");
    }
    std::vector<std::vector<Zeile>> seiten;
    std::vector<double> seitenhoehen;
    if (!dokument->is_locked()) {
        for (int i = 0; i < dokument->pages(); ++i) {
            const std::unique_ptr<poppler::page> seite(dokument->create_page(i));
            if (seite) {
                seiten.push_back(zeilen(*seite));
                seitenhoehen.push_back(seite->page_rect().height());
            }
        }
    }
    kopfUndFussEntfernen(seiten, seitenhoehen);
    std::string text;
    for (const std::vector<Zeile>& seite : seiten) {
        seiteAnhaengen(seite, text);
    }
    if (text.find_first_not_of(" \n") == std::string::npos) {
        return Eingelesen::mitFehler(
            "Das PDF enthält keinen Text – vermutlich ein eingescanntes Dokument.");
    }
    return Eingelesen::mitText(std::move(text));
}

} // namespace velmora
