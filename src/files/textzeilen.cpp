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

// Splits off the next line; false at the end of the file.
bool naechsteZeile(std::string_view& rest, std::string_view& zeile) {
    if (rest.empty()) {
        return false;
    }
    const std::size_t ende = rest.find('\n');
    zeile = rest.substr(0, ende);
    rest = ende == std::string_view::npos ? std::string_view{} : rest.substr(ende + 1);
    if (zeile.ends_with('\r')) {
        zeile.remove_suffix(1);
    }
    return true;
}

void zeileAnhaengen(std::string_view zeile, std::string& ziel) {
    const std::size_t anfang = ziel.size();
    std::string zeichen;
    for (std::size_t pos = 0; pos < zeile.size();) {
        char32_t cp = naechsterCodepunkt(zeile, pos);
        if (cp == U'\r' && zeile.substr(pos).starts_with('\n')) {
            ++pos; // CR LF is one line break
        }
        if (cp == U'\r' || cp == U'\n') {
            cp = U' ';
        }
        zeichen.clear();
        utf8Anhaengen(cp, zeichen);
        if (ziel.size() - anfang + zeichen.size() > hoechsteZeilenlaenge) {
            break;
        }
        ziel += zeichen;
    }
    ziel += zeilenende;
}

} // namespace

std::vector<std::optional<std::string>> zeilenLesen(std::string_view datei,
                                                    std::size_t hoechstens) {
    if (datei.starts_with(bytereihenfolge)) {
        datei.remove_prefix(bytereihenfolge.size());
    }
    std::vector<std::optional<std::string_view>> roh;
    bool hoch = false;
    bool utf8 = true;
    std::string_view zeile;
    while (roh.size() < hoechstens && naechsteZeile(datei, zeile)) {
        if (zeile.size() > hoechsteZeilenlaenge) {
            roh.emplace_back();
            continue;
        }
        hoch = hoch || hatHohesByte(zeile);
        utf8 = utf8 && istUtf8(zeile);
        roh.emplace_back(zeile);
    }
    std::vector<std::optional<std::string>> zeilen;
    zeilen.reserve(roh.size());
    for (const auto& z : roh) {
        if (!z) {
            zeilen.emplace_back();
        } else if (hoch && utf8) {
            zeilen.emplace_back(*z);
        } else {
            zeilen.emplace_back(windows1252NachUtf8(*z));
        }
    }
    return zeilen;
}

std::string zeilenSchreiben(const std::vector<std::string>& zeilen) {
    std::string utf8;
    for (const auto& zeile : zeilen) {
        zeileAnhaengen(zeile, utf8);
    }
    // Windows-1252 bytes that happen to form valid UTF-8 ("ß“") would be read as UTF-8.
    auto windows1252 = utf8NachWindows1252(utf8);
    if (windows1252 && !(hatHohesByte(*windows1252) && istUtf8(*windows1252))) {
        return std::move(*windows1252);
    }
    return utf8;
}

} // namespace velmora
