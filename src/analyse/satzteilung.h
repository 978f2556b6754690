#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A piece of a reference: a sentence, a line that is no sentence (heading, letterhead, address,
// place and date, signature), or an item of a list (a task). Its text has its blanks collapsed
// and the words broken at a line end joined.
struct Textstueck {
    enum class Art { Satz, Zeile, Aufzaehlung };
    std::string text;
    Art art = Art::Satz;
};

// The pieces of a text (UTF-8, "\n" line ends) in their order; page numbers and rules are no
// pieces.
std::vector<Textstueck> textTeilen(std::string_view text);

} // namespace velmora
