#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

// One piece of a phrase: literal text, an input slot or a gendered word.
struct Phrasenteil {
    enum class Art : std::uint8_t { Text, Eingabe, Anrede };
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

// The phrase of a section for a grade, or nullptr when the grade has none.
const Phrase* phrase(int bereich, int note);

} // namespace velmora
