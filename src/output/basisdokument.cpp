#include "output/basisdokument.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <vector>

namespace velmora {

const std::string_view eingebautesBasisdokument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\r\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "\\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417\r\n"
    "}\r\n";

namespace {

// One lexical unit of RTF.
struct Zeichen {
    enum class Art { Auf, Zu, Wort, Symbol, Text, Ende } art = Art::Ende;
    std::size_t anfang = 0;
    std::size_t ende = 0;
    std::string_view wort; // control word without backslash, or the symbol's character
    std::optional<long> zahl;
};

class Leser {
public:
    Leser(std::string_view rtf, std::size_t pos) : rtf_(rtf), pos_(pos) {}

    void springen(std::size_t pos) { pos_ = pos; }

    Zeichen naechstes() {
        Zeichen z;
        z.anfang = pos_;
        if (pos_ >= rtf_.size()) {
            return z;
        }
        const char c = rtf_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            z.art = c == '{' ? Zeichen::Art::Auf : Zeichen::Art::Zu;
        } else if (c != '\\') {
            ++pos_;
            z.art = Zeichen::Art::Text;
        } else {
            steuerwortLesen(z);
        }
        z.ende = pos_;
        return z;
    }

private:
    void steuerwortLesen(Zeichen& z) {
        ++pos_;
        const std::size_t name = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        if (pos_ == name) {
            // A control symbol: \\, \{, \~, \'hh ...
            z.art = Zeichen::Art::Symbol;
            z.wort = rtf_.substr(name, pos_ < rtf_.size() ? 1 : 0);
            pos_ = std::min(rtf_.size(), pos_ + 1);
            if (z.wort == "'") {
                pos_ = std::min(rtf_.size(), pos_ + 2);
            }
            return;
        }
        z.art = Zeichen::Art::Wort;
        z.wort = rtf_.substr(name, pos_ - name);
        const std::size_t zahl = pos_;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            ++pos_;
        }
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        if (pos_ > zahl) {
            long wert = 0;
            if (std::from_chars(rtf_.data() + zahl, rtf_.data() + pos_, wert).ec == std::errc()) {
                z.zahl = wert;
            }
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_;
        }
        if (z.wort == "bin" && z.zahl && *z.zahl > 0) {
            pos_ = std::min(rtf_.size(), pos_ + static_cast<std::size_t>(*z.zahl));
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
};

// Groups of the header; their content is no text of the document.
constexpr std::array<std::string_view, 12> kopfgruppen = {
    "fonttbl", "colortbl",  "stylesheet",        "info",         "listtable", "revtbl",
    "rsidtbl", "generator", "listoverridetable", "latentstyles", "filetbl",   "pgdsctbl",
};

// Control words that open the body: paragraph, character and text properties or text.
constexpr std::array<std::string_view, 22> rumpfwoerter = {
    "pard", "plain", "par", "ltrpar", "rtlpar", "intbl", "trowd", "ql", "qc",  "qr",   "qj",
    "s",    "f",     "fs",  "b",      "i",      "ul",    "cf",    "u",  "tab", "line", "page",
};

// The header's page setup: the document's words, then the first section's, which win.
struct Seitenwort {
    std::string_view wort;
    int Seite::*mass;
};

constexpr std::array<Seitenwort, 12> seitenwoerter = {{
    {"paperw", &Seite::breite},
    {"paperh", &Seite::hoehe},
    {"margl", &Seite::links},
    {"margr", &Seite::rechts},
    {"margt", &Seite::oben},
    {"margb", &Seite::unten},
    {"pgwsxn", &Seite::breite},
    {"pghsxn", &Seite::hoehe},
    {"marglsxn", &Seite::links},
    {"margrsxn", &Seite::rechts},
    {"margtsxn", &Seite::oben},
    {"margbsxn", &Seite::unten},
}};

// The largest page a word processor sets up: 22 inches.
constexpr long groesstesMass = 31680;

void seitenwortLesen(const Zeichen& z, Seite& seite) {
    for (const Seitenwort& s : seitenwoerter) {
        if (z.wort == s.wort && z.zahl && *z.zahl >= 0 && *z.zahl <= groesstesMass) {
            seite.*s.mass = static_cast<int>(*z.zahl);
        }
    }
}

// A page whose margins leave no room for text is no page setup to follow.
Seite brauchbar(const Seite& seite) {
    const bool platz =
        seite.links + seite.rechts < seite.breite && seite.oben + seite.unten < seite.hoehe;
    return platz ? seite : Seite{};
}

bool enthaelt(auto const& liste, std::string_view wort) {
    return std::find(liste.begin(), liste.end(), wort) != liste.end();
}

bool istLeerraum(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

// What the font table says: its extent, its highest number, Arial's number.
struct Schrifttabelle {
    std::size_t schluss = 0; // position of its closing brace
    int hoechste = -1;
    std::optional<int> arial;
};

std::string_view beschnitten(std::string_view s) {
    while (!s.empty() && istLeerraum(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (istLeerraum(s.back()) || s.back() == ';')) {
        s.remove_suffix(1);
    }
    return s;
}

bool gleichOhneGross(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Reads the font table after its "\fonttbl" up to its closing brace. Entries stand in groups
// of their own or one after the other, each "\fN ... Name;".
std::optional<Schrifttabelle> schrifttabelleLesen(std::string_view rtf, Leser& leser) {
    Schrifttabelle tabelle;
    int tiefe = 0; // below the table's own group
    int nummer = -1;
    std::string name;
    int namentiefe = 0;
    const auto eintragFertig = [&] {
        if (nummer >= 0 && gleichOhneGross(beschnitten(name), "Arial") && !tabelle.arial) {
            tabelle.arial = nummer;
        }
        name.clear();
    };
    for (Zeichen z = leser.naechstes(); z.art != Zeichen::Art::Ende; z = leser.naechstes()) {
        switch (z.art) {
        case Zeichen::Art::Auf:
            ++tiefe;
            break;
        case Zeichen::Art::Zu:
            if (tiefe == 0) {
                eintragFertig();
                tabelle.schluss = z.anfang;
                return tabelle;
            }
            if (tiefe == namentiefe) {
                eintragFertig();
            }
            --tiefe;
            break;
        case Zeichen::Art::Wort:
            if (z.wort == "f" && z.zahl) {
                eintragFertig();
                nummer = static_cast<int>(*z.zahl);
                namentiefe = tiefe;
                tabelle.hoechste = std::max(tabelle.hoechste, nummer);
            }
            break;
        case Zeichen::Art::Text:
            if (tiefe == namentiefe) {
                name += rtf[z.anfang];
            }
            break;
        case Zeichen::Art::Symbol:
        case Zeichen::Art::Ende:
            break;
        }
    }
    return std::nullopt;
}

// The first control word of a group, skipping the "\*" of an ignorable destination.
struct Gruppenanfang {
    bool ignorierbar = false;
    std::string_view wort;
    std::size_t nachWort = 0;
};

Gruppenanfang gruppenanfang(std::string_view rtf, std::size_t nachKlammer) {
    Leser leser(rtf, nachKlammer);
    Gruppenanfang anfang;
    Zeichen z = leser.naechstes();
    if (z.art == Zeichen::Art::Symbol && z.wort == "*") {
        anfang.ignorierbar = true;
        z = leser.naechstes();
    }
    if (z.art == Zeichen::Art::Wort) {
        anfang.wort = z.wort;
        anfang.nachWort = z.ende;
    }
    return anfang;
}

// Reads past the rest of a group whose opening brace has been read. False at the end of the
// text, when the group never closes.
bool gruppeUeberspringen(Leser& leser) {
    int tiefe = 1;
    for (Zeichen z = leser.naechstes(); z.art != Zeichen::Art::Ende; z = leser.naechstes()) {
        if (z.art == Zeichen::Art::Auf) {
            ++tiefe;
        } else if (z.art == Zeichen::Art::Zu && --tiefe == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<Basisdokument> basisdokumentZerlegen(std::string_view rtf) {
    std::size_t start = 0;
    while (start < rtf.size() && istLeerraum(rtf[start])) {
        ++start;
    }
    if (rtf.substr(start, 5) != "{\\rtf") {
        return std::nullopt;
    }
    Leser leser(rtf, start + 1);
    std::optional<Schrifttabelle> schriften;
    std::optional<std::size_t> ersteGruppe;
    std::optional<std::size_t> einfuegen; // start of the body
    bool inhalt = false;
    std::optional<std::size_t> schluss; // the document's closing brace
    Seite seite;
    const auto rumpfBeginnt = [&](std::size_t pos) {
        if (!einfuegen) {
            einfuegen = pos;
        }
        inhalt = true;
    };
    for (Zeichen z = leser.naechstes(); z.art != Zeichen::Art::Ende; z = leser.naechstes()) {
        switch (z.art) {
        case Zeichen::Art::Auf: {
            if (!ersteGruppe) {
                ersteGruppe = z.anfang;
            }
            const Gruppenanfang anfang = gruppenanfang(rtf, z.ende);
            if (!einfuegen && anfang.wort == "fonttbl" && !schriften) {
                Leser tabelle(rtf, anfang.nachWort);
                schriften = schrifttabelleLesen(rtf, tabelle);
                if (!schriften) {
                    return std::nullopt;
                }
                leser.springen(schriften->schluss + 1);
                break;
            }
            if (!einfuegen && !anfang.ignorierbar && !enthaelt(kopfgruppen, anfang.wort)) {
                rumpfBeginnt(z.anfang);
            } else if (einfuegen) {
                inhalt = true;
            }
            if (!gruppeUeberspringen(leser)) {
                return std::nullopt;
            }
            break;
        }
        case Zeichen::Art::Zu:
            schluss = z.anfang;
            break;
        case Zeichen::Art::Wort:
            if (einfuegen || enthaelt(rumpfwoerter, z.wort)) {
                rumpfBeginnt(z.anfang);
            } else {
                seitenwortLesen(z, seite);
            }
            break;
        case Zeichen::Art::Symbol:
            rumpfBeginnt(z.anfang);
            break;
        case Zeichen::Art::Text:
            if (!istLeerraum(rtf[z.anfang])) {
                rumpfBeginnt(z.anfang);
            }
            break;
        case Zeichen::Art::Ende:
            break;
        }
        if (schluss) {
            break;
        }
    }
    if (!schluss) {
        return std::nullopt;
    }
    const std::size_t body = einfuegen.value_or(*schluss);

    Basisdokument basis;
    basis.rumpf = rtf.substr(body);
    basis.rumpfHatInhalt = inhalt;
    basis.seite = brauchbar(seite);
    if (schriften && schriften->arial) {
        basis.arial = *schriften->arial;
        basis.kopf = rtf.substr(0, body);
        return basis;
    }
    // Arial joins the font table, or a table of its own goes in before the first group.
    basis.arial = schriften ? schriften->hoechste + 1 : 0;
    const std::size_t stelle =
        schriften ? schriften->schluss : std::min(ersteGruppe.value_or(body), body);
    const std::string eintrag =
        "{\\f" + std::to_string(basis.arial) + "\\fswiss\\fcharset0 Arial;}";
    basis.kopf.reserve(body + eintrag.size() + 12);
    basis.kopf.append(rtf.substr(0, stelle));
    basis.kopf.append(schriften ? eintrag : "{\\fonttbl" + eintrag + "}");
    basis.kopf.append(rtf.substr(stelle, body - stelle));
    return basis;
}

const Basisdokument& eingebauteBasis() {
    static const Basisdokument basis = *basisdokumentZerlegen(eingebautesBasisdokument);
    return basis;
}

} // namespace velmora
