#pragma once

#include <array>
#include <string_view>

namespace velmora {

// The gendered words, each named by its form for a man.
enum class Anrede {
    Herr,
    Er,
    er,
    seinem,
    seinen,
    seines,
    seiner,
    seine,
    Seine,
    sein,
    ihm,
    ihn,
    Herrn,
    r,
    e,
    in,
    n,
};

inline constexpr int anzahlAnreden = 17;

struct Anredeformen {
    std::array<std::string_view, anzahlAnreden> woerter;

    std::string_view operator[](Anrede a) const { return woerter[static_cast<int>(a)]; }

    // 1 gives the woman's forms; every other selection (0, -1, anything) the man's.
    static const Anredeformen& fuer(int geschlecht);
};

// Slot names as the phrase texts write them, in the order of Anrede.
inline constexpr std::array<std::string_view, anzahlAnreden> anredeSlots = {
    "Herr", "Er",  "er",  "seinem", "seinen", "seines", "seiner", "seine", "Seine",
    "sein", "ihm", "ihn", "Herrn",  "r",      "e",      "in",     "n",
};

} // namespace velmora
