#include "einlesen/rtfleser.h"

#include "einlesen/textzeichen.h"
#include "encoding/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <vector>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// Groups whose content is no body text: tables, properties, pictures, objects, field
// instructions, page headers, footers and notes. A group marked \* is skipped as well.
constexpr std::array uebersprungeneZiele{
    "annotation"sv, "atnid"sv,      "author"sv,  "bkmkend"sv,   "bkmkstart"sv,
    "colortbl"sv,   "datastore"sv,  "docvar"sv,  "fldinst"sv,   "fonttbl"sv,
    "footer"sv,     "footerf"sv,    "footerl"sv, "footerr"sv,   "footnote"sv,
    "ftncn"sv,      "ftnsep"sv,     "ftnsepc"sv, "header"sv,    "headerf"sv,
    "headerl"sv,    "headerr"sv,    "info"sv,    "listtable"sv, "listoverridetable"sv,
    "nonshppict"sv, "object"sv,     "pict"sv,    "revtbl"sv,    "rsidtbl"sv,
    "shpinst"sv,    "stylesheet"sv, "tc"sv,      "template"sv,  "xe"sv,
};

// Control words that stand for text.
struct Textwort {
    std::string_view wort;
    std::string_view text;
};
constexpr std::array textwoerter{
    Textwort{"par", "\n"},      Textwort{"line", "\n"},   Textwort{"sect", "\n"},
    Textwort{"row", "\n"},      Textwort{"tab", " "},     Textwort{"cell", " "},
    Textwort{"emspace", " "},   Textwort{"enspace", " "}, Textwort{"qmspace", " "},
    Textwort{"emdash", "—"},    Textwort{"endash", "–"},  Textwort{"bullet", "•"},
    Textwort{"lquote", "‘"},    Textwort{"rquote", "’"},  Textwort{"ldblquote", "“"},
    Textwort{"rdblquote", "”"},
};

// Deeper nesting than any word processor writes is taken for a broken file.
constexpr std::size_t tiefsteGruppe = 1000;

struct Gruppe {
    bool ueberspringen = false;
    int ersatzzeichen = 1; // \ucN: the characters that follow a \uN for older readers
};

class RtfLeser {
public:
    explicit RtfLeser(std::string_view rtf) : rtf_(rtf) {}

    // False when the document is broken: cut off, or nested beyond reason.
    bool lesen() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                if (stapel_.size() == tiefsteGruppe) {
                    return false;
                }
                stapel_.push_back(gruppe_);
                zuUeberspringen_ = 0;
            } else if (c == '}') {
                if (stapel_.empty()) {
                    return false;
                }
                gruppe_ = stapel_.back();
                stapel_.pop_back();
                zuUeberspringen_ = 0;
                if (stapel_.empty()) {
                    return true; // the document's group is closed: what follows is no RTF
                }
            } else if (c == '\\') {
                steuerung();
            } else if (c != '\r' && c != '\n') {
                zeichen(static_cast<unsigned char>(c));
            }
        }
        return false;
    }

    std::string text;

private:
    void steuerung() {
        if (pos_ == rtf_.size()) {
            return;
        }
        const char c = rtf_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            steuerwort();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            if (pos_ + 2 <= rtf_.size()) {
                unsigned int byte = 0;
                const auto [ende, fehler] = std::from_chars(&rtf_[pos_], &rtf_[pos_ + 2], byte, 16);
                if (fehler == std::errc() && ende == &rtf_[pos_ + 2]) {
                    pos_ += 2;
                    zeichen(static_cast<unsigned char>(byte));
                }
            }
            break;
        case '*':
            gruppe_.ueberspringen = true;
            break;
        case '~':
            ausgeben(" ");
            break;
        case '_':
            ausgeben("-");
            break;
        case '\r':
        case '\n':
            ausgeben("\n");
            break;
        case '\\':
        case '{':
        case '}':
            zeichen(static_cast<unsigned char>(c));
            break;
        default: // \- (an optional hyphen), \: and the like stand for nothing in plain text
            break;
        }
    }

    // A control word: letters, an optional signed number, and a blank that belongs to it.
    void steuerwort() {
        const std::size_t anfang = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        const std::string_view wort = rtf_.substr(anfang, pos_ - anfang);
        long zahl = 0;
        bool mitZahl = false;
        if (pos_ < rtf_.size() &&
            (rtf_[pos_] == '-' || std::isdigit(static_cast<unsigned char>(rtf_[pos_])))) {
            const std::size_t zahlAnfang = pos_;
            ++pos_;
            while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
                ++pos_;
            }
            mitZahl = std::from_chars(&rtf_[zahlAnfang], &rtf_[pos_], zahl).ec == std::errc();
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_;
        }
        wortAnwenden(wort, mitZahl ? zahl : 0, mitZahl);
    }

    void wortAnwenden(std::string_view wort, long zahl, bool mitZahl) {
        if (wort == "bin") { // binary data of that many bytes, text or not
            pos_ = std::min(rtf_.size(), pos_ + static_cast<std::size_t>(std::max(0L, zahl)));
        } else if (wort == "uc") {
            gruppe_.ersatzzeichen = static_cast<int>(std::clamp(zahl, 0L, 10L));
        } else if (wort == "u" && mitZahl) {
            unicode(static_cast<char32_t>(static_cast<std::uint16_t>(zahl)));
        } else if (std::ranges::find(uebersprungeneZiele, wort) != uebersprungeneZiele.end()) {
            gruppe_.ueberspringen = true;
        } else if (const auto* t = std::ranges::find(textwoerter, wort, &Textwort::wort);
                   t != textwoerter.end()) {
            ausgeben(t->text);
        }
    }

    // A UTF-16 unit of \uN; the characters for older readers that follow it are left out.
    void unicode(char32_t einheit) {
        if (gruppe_.ueberspringen) {
            return;
        }
        zuUeberspringen_ = gruppe_.ersatzzeichen;
        if (einheit >= 0xD800 && einheit < 0xDC00) {
            hoheHaelfte_ = einheit;
            return;
        }
        if (einheit >= 0xDC00 && einheit < 0xE000 && hoheHaelfte_) {
            einheit = 0x10000 + ((hoheHaelfte_ - 0xD800) << 10) + (einheit - 0xDC00);
        } else if (einheit >= 0xD800 && einheit < 0xE000) {
            einheit = 0xFFFD;
        }
        hoheHaelfte_ = 0;
        std::string zeichen;
        utf8Anhaengen(einheit, zeichen);
        textzeichenAnhaengen(zeichen, text);
    }

    // A byte of text in the code page of the documents this program reads, Windows-1252;
    // another \ansicpg is read as that too, which keeps the German letters of the Western
    // and Central European code pages.
    void zeichen(unsigned char byte) {
        if (gruppe_.ueberspringen) {
            return;
        }
        if (zuUeberspringen_ > 0) {
            --zuUeberspringen_;
            return;
        }
        const char zeichen = static_cast<char>(byte);
        if (byte < 0x80) {
            textzeichenAnhaengen(std::string_view(&zeichen, 1), text);
        } else {
            textzeichenAnhaengen(windows1252NachUtf8(std::string_view(&zeichen, 1)), text);
        }
    }

    void ausgeben(std::string_view teil) {
        if (!gruppe_.ueberspringen) {
            text += teil;
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    Gruppe gruppe_;
    std::vector<Gruppe> stapel_;
    int zuUeberspringen_ = 0;
    char32_t hoheHaelfte_ = 0;
};

} // namespace

Eingelesen rtfLesen(std::string_view bytes) {
    RtfLeser leser(bytes);
    if (!bytes.starts_with("{\\rtf") || !leser.lesen()) {
        return Eingelesen::mitFehler("Die RTF-Datei ist unvollständig oder beschädigt.");
    }
    return Eingelesen::mitText(std::move(leser.text));
}

} // namespace velmora
