#include "files/textzeilen.h"

#include "encoding/zeichensatz.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view bytereihenfolge = "\xEF\xBB\xBF";
constexpr std::string_view zeilenende = "\r\n";

bool hatHohesByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The C0 and C1 controls and DEL; the tab is text.
bool steuerzeichen(char32_t cp) {
    return (cp < 0x20 && cp != U'\t') || (cp >= 0x7F && cp <= 0x9F);
}

// How a line reads back: as UTF-8 when it is valid UTF-8 with a byte of 0x80 or more.
bool liestSichAlsUtf8(std::string_view zeile) {
    return hatHohesByte(zeile) && istUtf8(zeile);
}

// Where the line at the start of `rest` ends: at its first CR or LF. Searching for each byte
// alone is many times faster than for either byte at once; searching a piece at a time keeps
// a file of CR-only lines from being searched to its end for an LF at every line.
std::size_t endeDerZeile(std::string_view rest) {
    constexpr std::size_t stueck = 4096;
    for (std::size_t anfang = 0; anfang < rest.size(); anfang += stueck) {
        const std::string_view teil = rest.substr(anfang, stueck);
        const std::size_t lf = teil.find('\n');
        const std::size_t ende = std::min(lf, teil.substr(0, lf).find('\r'));
        if (ende != std::string_view::npos) {
            return anfang + ende;
        }
    }
    return std::string_view::npos;
}

// Splits off the next line at CR LF, LF or CR; false at the end of the file.
bool naechsteZeile(std::string_view& rest, std::string_view& zeile) {
    if (rest.empty()) {
        return false;
    }
    const std::size_t ende = endeDerZeile(rest);
    zeile = rest.substr(0, ende);
    if (ende == std::string_view::npos) {
        rest = {};
    } else {
        rest.remove_prefix(rest.substr(ende).starts_with(zeilenende) ? ende + 2 : ende + 1);
    }
    return true;
}

std::string textDerZeile(std::string_view zeile) {
    const std::string utf8 =
        liestSichAlsUtf8(zeile) ? std::string(zeile) : windows1252NachUtf8(zeile);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t anfang = pos;
        if (!steuerzeichen(naechsterCodepunkt(utf8, pos))) {
            text.append(utf8, anfang, pos - anfang);
        }
    }
    return text;
}

// The line as the file can carry it: no line break, no control character, valid UTF-8.
std::string zeileBereinigt(std::string_view zeile) {
    std::string ziel;
    for (std::size_t pos = 0; pos < zeile.size();) {
        char32_t cp = naechsterCodepunkt(zeile, pos);
        if (cp == U'\r' && zeile.substr(pos).starts_with('\n')) {
            ++pos; // CR LF is one line break
        }
        if (cp == U'\r' || cp == U'\n') {
            cp = U' ';
        } else if (steuerzeichen(cp)) {
            continue;
        }
        const std::size_t vorher = ziel.size();
        utf8Anhaengen(cp, ziel);
        if (ziel.size() > hoechsteZeilenlaenge) {
            ziel.resize(vorher);
            break;
        }
    }
    return ziel;
}

std::string verbunden(const std::vector<std::string>& zeilen) {
    std::string datei;
    for (const auto& zeile : zeilen) {
        datei += zeile;
        datei += zeilenende;
    }
    return datei;
}

} // namespace

std::vector<std::optional<std::string>> zeilenLesen(std::string_view datei,
                                                    std::size_t hoechstens) {
    if (datei.starts_with(bytereihenfolge)) {
        datei.remove_prefix(bytereihenfolge.size());
    }
    std::vector<std::optional<std::string>> zeilen;
    std::string_view zeile;
    while (zeilen.size() < hoechstens && naechsteZeile(datei, zeile)) {
        if (zeile.size() > hoechsteZeilenlaenge) {
            zeilen.emplace_back();
        } else {
            zeilen.emplace_back(textDerZeile(zeile));
        }
    }
    return zeilen;
}

std::string zeilenSchreiben(const std::vector<std::string>& zeilen) {
    std::vector<std::string> utf8;
    utf8.reserve(zeilen.size());
    std::vector<std::string> windows1252;
    windows1252.reserve(zeilen.size());
    bool einheitlich1252 = true;
    for (const auto& zeile : zeilen) {
        utf8.push_back(zeileBereinigt(zeile));
        if (einheitlich1252) {
            // Windows-1252 bytes that happen to form valid UTF-8 ("ß“") would read as UTF-8.
            auto bytes = utf8NachWindows1252(utf8.back());
            einheitlich1252 = bytes && !liestSichAlsUtf8(*bytes);
            windows1252.push_back(bytes.value_or(std::string()));
        }
    }
    return verbunden(einheitlich1252 ? windows1252 : utf8);
}

} // namespace velmora
