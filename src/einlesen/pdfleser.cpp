#include "einlesen/pdfleser.h"

#include "einlesen/textzeichen.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <regex>
#include <vector>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// A reference has a few pages; more is no reference, or a file made to keep the reader busy.
constexpr int meistSeiten = 100;

// Where page numbers, headers and footers stand: the top and bottom eighth of the page.
constexpr double randanteil = 0.125;
// A list's mark is short ("•", "10.", "iv)"); its line comes soon after the column of marks.
constexpr std::size_t laengsteMarke = 4;
constexpr std::size_t markenReichweite = 50;
// Headers and footers have a few lines; more lines at the edge are the text's own.
constexpr std::size_t meistKopfUndFusszeilen = 10;
// Lines at the same place on two pages stand less than this apart (points).
constexpr double gleicheStelle = 2.0;
// A gap between two lines wider than this many line spacings separates two paragraphs.
constexpr double absatzabstand = 1.4;

// Ligatures some writers set as one glyph, read as their letters; a soft hyphen shows only where
// it breaks a word at a line end, as a hyphen.
struct Ligatur {
    std::string_view zeichen;
    std::string_view buchstaben;
};
constexpr std::array ligaturen{Ligatur{"ﬀ"sv, "ff"sv},  Ligatur{"ﬁ"sv, "fi"sv},
                               Ligatur{"ﬂ"sv, "fl"sv},  Ligatur{"ﬃ"sv, "ffi"sv},
                               Ligatur{"ﬄ"sv, "ffl"sv}, Ligatur{"ﬅ"sv, "st"sv},
                               Ligatur{"ﬆ"sv, "st"sv},  Ligatur{"\u00AD"sv, "-"sv}};

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

bool aufGleicherHoehe(const Zeile& a, const Zeile& b) {
    return std::abs((a.oben + a.hoehe / 2) - (b.oben + b.hoehe / 2)) <= b.hoehe / 2;
}

// A list's marks ("•", "1.", "a)") that a writer set as a column of their own come first in the
// reading order; each goes before the later line beside it.
void markenAnfuegen(std::vector<Zeile>& zeilen) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i].text.empty() || zeilen[i].text.size() > laengsteMarke) {
            continue;
        }
        const std::size_t ende = std::min(zeilen.size(), i + 1 + markenReichweite);
        for (std::size_t j = i + 1; j < ende; ++j) {
            if (zeilen[j].text.size() > laengsteMarke && aufGleicherHoehe(zeilen[i], zeilen[j])) {
                zeilen[j].text = zeilen[i].text + ' ' + zeilen[j].text;
                zeilen[i].text.clear();
                break;
            }
        }
    }
}

// The page's words in reading order, gathered into lines: a word whose middle lies off the
// line's middle by more than half its height begins a new line.
std::vector<Zeile> zeilen(const poppler::page& seite) {
    std::vector<Zeile> ergebnis;
    bool blankDanach = false;
    for (const poppler::text_box& wort : seite.text_list()) {
        const poppler::rectf rahmen = wort.bbox();
        const Zeile neue{rahmen.y(), rahmen.height(), {}};
        if (ergebnis.empty() || !aufGleicherHoehe(ergebnis.back(), neue)) {
            ergebnis.push_back(neue);
        } else if (blankDanach) {
            ergebnis.back().text += ' ';
        }
        wortAnhaengen(wort.text(), ergebnis.back().text);
        blankDanach = wort.has_space_after();
    }
    markenAnfuegen(ergebnis);
    std::erase_if(ergebnis, [](const Zeile& z) { return z.text.empty(); });
    return ergebnis;
}

// "3", "- 3 -", "Seite 3", "Seite 3 von 4", "3/4", "S. 3"; a longer line is none.
bool istSeitenzahl(const std::string& text) {
    static const std::regex muster(
        R"(\s*((Seite|S\.)\s*)?((-|–)\s*)?\d+(\s*(-|–))?(\s*(von|/)\s*\d+)?\s*)",
        std::regex::icase | std::regex::optimize);
    return text.size() <= 30 && std::regex_match(text, muster);
}

// A line's text as it repeats on every page: its digits, the page number among them, alike.
std::string muster(std::string text) {
    std::ranges::replace_if(
        text, [](char c) { return c >= '0' && c <= '9'; }, '#');
    return text;
}

// Drops the page numbers and the lines that stand at the same place on every page of a document
// of more than one: both only at the top or bottom of a page, where headers and footers are.
void kopfUndFussEntfernen(std::vector<std::vector<Zeile>>& seiten,
                          const std::vector<double>& seitenhoehen) {
    const auto amRand = [&](const Zeile& z, std::size_t seite) {
        const double rand = seitenhoehen[seite] * randanteil;
        return z.oben < rand || z.oben + z.hoehe > seitenhoehen[seite] - rand;
    };
    const auto anGleicherStelle = [](const Zeile& a, const std::string& musterA, const Zeile& b) {
        return std::abs(a.oben - b.oben) <= gleicheStelle && muster(b.text) == musterA;
    };
    std::vector<std::pair<Zeile, std::string>> wiederholt;
    for (const Zeile& zeile : seiten.size() > 1 ? seiten.front() : std::vector<Zeile>{}) {
        const std::string m = muster(zeile.text);
        if (amRand(zeile, 0) && wiederholt.size() < meistKopfUndFusszeilen &&
            std::ranges::all_of(seiten, [&](const std::vector<Zeile>& seite) {
                return std::ranges::any_of(
                    seite, [&](const Zeile& z) { return anGleicherStelle(zeile, m, z); });
            })) {
            wiederholt.emplace_back(zeile, m);
        }
    }
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        std::erase_if(seiten[i], [&](const Zeile& z) {
            return amRand(z, i) &&
                   (istSeitenzahl(z.text) || std::ranges::any_of(wiederholt, [&](const auto& w) {
                        return anGleicherStelle(w.first, w.second, z);
                    }));
        });
    }
}

// A line of text a line, and a blank line where the gap to the next line is a paragraph's. The
// page's line spacing is the lower quartile of its gaps, so that paragraph gaps, fewer than the
// lines they part, do not count; with too few gaps to tell, a line's height stands for it.
void seiteAnhaengen(const std::vector<Zeile>& seite, std::string& text) {
    std::vector<double> abstaende;
    for (std::size_t i = 1; i < seite.size(); ++i) {
        if (seite[i].oben > seite[i - 1].oben) {
            abstaende.push_back(seite[i].oben - seite[i - 1].oben);
        }
    }
    std::ranges::sort(abstaende);
    for (std::size_t i = 0; i < seite.size(); ++i) {
        const double zeilenabstand =
            abstaende.size() >= 3 ? abstaende[abstaende.size() / 4] : seite[i].hoehe;
        if (i > 0 && seite[i].oben - seite[i - 1].oben > absatzabstand * zeilenabstand) {
            text += '\n';
        }
        text += seite[i].text;
        text += '\n';
    }
}

// A PDF/A names a colour profile as its output intent, and poppler builds a colour transform from
// it for every page it reads: most of the time spent on such a file, and nothing text needs. The
// key renamed in place, so that every offset stays, is not found.
std::string ohneAusgabeprofil(std::string_view bytes) {
    constexpr std::string_view schluessel = "/OutputIntents";
    std::string pdf(bytes);
    for (std::size_t pos = pdf.find(schluessel); pos != std::string::npos;
         pos = pdf.find(schluessel, pos + schluessel.size())) {
        pdf[pos + schluessel.size() - 1] = 'X';
    }
    return pdf;
}

void stillesProtokoll(const std::string&, void*) {}

} // namespace

Eingelesen pdfLesen(std::string_view bytes) {
    poppler::set_debug_error_function(stillesProtokoll, nullptr); // the caller tells the user
    const std::string pdf = ohneAusgabeprofil(bytes);
    const std::unique_ptr<poppler::document> dokument(poppler::document::load_from_raw_data(
        pdf.data(), static_cast<int>(std::min<std::size_t>(pdf.size(), INT32_MAX))));
    if (!dokument) {
        return Eingelesen::mitFehler("Das PDF ist beschädigt und kann nicht gelesen werden.");
    }
    const std::string_view ohneText =
        "Das PDF enthält keinen Text – vermutlich ein eingescanntes Dokument.";
    if (dokument->is_locked()) { // its pages cannot even be counted without the password
        return Eingelesen::mitFehler(std::string(ohneText));
    }
    if (dokument->pages() > meistSeiten) {
        return Eingelesen::mitFehler("Das PDF hat mehr als " + std::to_string(meistSeiten) +
                                     " Seiten; so lang ist kein Arbeitszeugnis.");
    }
    std::vector<std::vector<Zeile>> seiten;
    std::vector<double> seitenhoehen;
    for (int i = 0; i < dokument->pages(); ++i) {
        const std::unique_ptr<poppler::page> seite(dokument->create_page(i));
        if (seite) {
            seiten.push_back(zeilen(*seite));
            seitenhoehen.push_back(seite->page_rect().height());
        }
    }
    kopfUndFussEntfernen(seiten, seitenhoehen);
    std::string text;
    for (const std::vector<Zeile>& seite : seiten) {
        seiteAnhaengen(seite, text);
    }
    if (text.find_first_not_of(" \n") == std::string::npos) {
        return Eingelesen::mitFehler(std::string(ohneText));
    }
    return Eingelesen::mitText(std::move(text));
}

} // namespace velmora
