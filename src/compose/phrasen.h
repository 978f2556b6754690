#pragma once

#include "compose/anredeformen.h"
#include "compose/zeugnisdaten.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

// One piece of a phrase: literal text, an input slot, a gendered word or the department of
// the tasks.
struct Phrasenteil {
    enum class Art : std::uint8_t { Text, Eingabe, Anrede, Aufgabenbereich };
    Art art;
    std::uint8_t index; // into Zeugnisdaten::texte or Anredeformen::woerter
    std::string_view text;
};

inline constexpr int hoechstensPhrasenteile = 24;

// A phrase as the library writes it: "{Herr} {Name} verfügt über ..." is the slot {Herr},
// the literal " ", the slot {Name}, the literal " verfügt über ...". Literal text holds no
// braces, so every brace pair names a slot; an unknown name stops the build.
class Phrase {
public:
    consteval explicit Phrase(std::string_view vorlage);

    std::span<const Phrasenteil> teile() const { return {teile_.data(), anzahl_}; }

private:
    std::array<Phrasenteil, hoechstensPhrasenteile> teile_{};
    std::size_t anzahl_ = 0;
};

namespace detail {

template <std::size_t N>
constexpr int slotIndex(const std::array<std::string_view, N>& namen, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (namen[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace detail

consteval Phrase::Phrase(std::string_view vorlage) {
    std::size_t pos = 0;
    while (pos < vorlage.size()) {
        if (anzahl_ == teile_.size()) {
            throw "phrase has too many pieces";
        }
        if (vorlage[pos] != '{') {
            const std::size_t ende = std::min(vorlage.find('{', pos), vorlage.size());
            teile_[anzahl_++] = {Phrasenteil::Art::Text, 0, vorlage.substr(pos, ende - pos)};
            pos = ende;
            continue;
        }
        const std::size_t zu = vorlage.find('}', pos);
        if (zu == std::string_view::npos) {
            throw "unclosed slot";
        }
        const std::string_view name = vorlage.substr(pos + 1, zu - pos - 1);
        if (const int e = detail::slotIndex(eingabeSlots, name); e >= 0) {
            teile_[anzahl_++] = {Phrasenteil::Art::Eingabe, static_cast<std::uint8_t>(e), {}};
        } else if (const int a = detail::slotIndex(anredeSlots, name); a >= 0) {
            teile_[anzahl_++] = {Phrasenteil::Art::Anrede, static_cast<std::uint8_t>(a), {}};
        } else if (name == aufgabenbereichSlot) {
            teile_[anzahl_++] = {Phrasenteil::Art::Aufgabenbereich, 0, {}};
        } else {
            throw "unknown slot";
        }
        pos = zu + 1;
    }
}

// The phrase of a section for a grade in the library of the kind, or nullptr when the grade
// has none. A phrasing the section does not offer gives the library's text.
const Phrase* phrase(int bereich, int note, Zeugnisart art, int formulierung = 1);

} // namespace velmora
