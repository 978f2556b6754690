#include "compose/zeugnisdaten.h"

#include "encoding/zeichensatz.h"

#include <algorithm>

namespace velmora {

namespace {

// White space as Unicode counts it (the characters of Zs, Zl and Zp, tab to carriage return,
// NEL).
constexpr bool leerraum(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

} // namespace

const std::array<Eingabefeld, anzahlEingaben> eingabefelder = {{
    {Eingabe::Vorname, "Vorname", "Hans", false},
    {Eingabe::Name, "Name", "Mustermann", false},
    {Eingabe::Geburtsdatum, "Geburtsdatum", "16.04.1947", true},
    {Eingabe::Geburtsort, "Geburtsort", "München", false},
    {Eingabe::Taetigkeit, "Tätigkeit", "Anteilungsleiter Elektonik", false},
    {Eingabe::Firma, "Vorname und Name/Firma", "Zevuz Elektonikhandelsgesellschaft mbH", false},
    {Eingabe::Ort, "Ort und Datum für das Zeugnis", "Düsseldorf", false},
    {Eingabe::Eintrittsdatum, "Eintrittsdatum", "01.04.1995", true},
    {Eingabe::Austrittsdatum, "Austrittsdatum", "30.06.2003", true},
    {Eingabe::Datum, ",", "30.06.2003", true},
}};

bool leer(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!leerraum(naechsterCodepunkt(text, pos))) {
            return false;
        }
    }
    return true;
}

std::string_view beschnitten(std::string_view text) {
    std::size_t anfang = text.size();
    std::size_t ende = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t zeichen = pos;
        if (!leerraum(naechsterCodepunkt(text, pos))) {
            anfang = std::min(anfang, zeichen);
            ende = pos;
        }
    }
    return anfang < ende ? text.substr(anfang, ende - anfang) : std::string_view();
}

std::string einzeilig(std::string_view text) {
    constexpr std::string_view trenner[] = {"\r\n", "\r", "\n", "\u2028", "\u2029"};
    std::string zeile;
    zeile.reserve(text.size());
    while (!text.empty()) {
        const auto gefunden =
            std::ranges::find_if(trenner, [&](std::string_view t) { return text.starts_with(t); });
        if (gefunden != std::end(trenner)) {
            zeile += ' ';
            text.remove_prefix(gefunden->size());
        } else {
            zeile += text.front();
            text.remove_prefix(1);
        }
    }
    return zeile;
}

bool Aufgaben::eingetragen() const {
    return !std::ranges::all_of(liste, leer);
}

Zeugnisdaten anfangsdaten() {
    Zeugnisdaten daten;
    for (const auto& feld : eingabefelder) {
        daten.text(feld.eingabe) = std::string(feld.anfangstext);
    }
    return daten;
}

} // namespace velmora
