#include "files/einstellungen.h"

#include "files/textzeilen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view wahr = "True";
constexpr std::string_view falsch = "False";

std::string_view ohneRandblanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A 16-bit decimal number, blanks around it ignored.
std::optional<int> zahlLesen(std::string_view text) {
    text = ohneRandblanks(text);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    std::int16_t zahl = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    if (text.empty() || fehler != std::errc{} || ende != text.data() + text.size()) {
        return std::nullopt;
    }
    return zahl;
}

bool gleichOhneGross(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return klein(x) == klein(y);
    });
}

// "True" or "False" in any case, or a number: 0 is false, anything else true.
std::optional<bool> schalterLesen(std::string_view text) {
    const std::string_view wort = ohneRandblanks(text);
    if (gleichOhneGross(wort, wahr)) {
        return true;
    }
    if (gleichOhneGross(wort, falsch)) {
        return false;
    }
    if (const auto zahl = zahlLesen(wort)) {
        return *zahl != 0;
    }
    return std::nullopt;
}

std::optional<Einstellungswert> wertLesen(const Einstellungszeile& zeile, std::string text) {
    switch (zeile.art) {
    case Wertart::Text:
        return text;
    case Wertart::Schalter:
        if (const auto schalter = schalterLesen(text)) {
            return *schalter;
        }
        return std::nullopt;
    case Wertart::Zahl:
        if (const auto zahl = zahlLesen(text);
            zahl && *zahl >= zeile.kleinster && *zahl <= zeile.groesster) {
            return *zahl;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::string wertSchreiben(const Einstellungszeile& zeile, const Einstellungen& e) {
    switch (zeile.element) {
    case Steuerelement::Geschlecht:
        return std::to_string(e.geschlecht);
    case Steuerelement::Text:
        return e.texte[zeile.nummer];
    case Steuerelement::Notenknopf:
        return std::string(e.knoepfe[zeile.nummer - 1] == zeile.knopf ? wahr : falsch);
    case Steuerelement::Anzeige:
        return std::to_string(e.anzeige[zeile.nummer - 1]);
    case Steuerelement::Reiter:
        return std::to_string(e.reiter[zeile.nummer]);
    }
    return {};
}

} // namespace

std::string einstellungenSchreiben(const Einstellungen& einstellungen) {
    std::vector<std::string> zeilen;
    zeilen.reserve(einstellungszeilen.size());
    for (const auto& zeile : einstellungszeilen) {
        zeilen.push_back(wertSchreiben(zeile, einstellungen));
    }
    return zeilenSchreiben(zeilen);
}

GeleseneEinstellungen einstellungenLesen(std::string_view datei) {
    auto zeilen = zeilenLesen(datei, einstellungszeilen.size());
    GeleseneEinstellungen gelesen;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i]) {
            gelesen[i] = wertLesen(einstellungszeilen[i], std::move(*zeilen[i]));
        }
    }
    return gelesen;
}

} // namespace velmora
