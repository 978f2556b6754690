#pragma once

#include <string>
#include <utility>

namespace velmora {

// What a reader made of a document: its body text in reading order as UTF-8, a paragraph or
// list item a line ("\n"), or, when it could not be read, a German message for the user.
struct Eingelesen {
    std::string text;
    std::string fehler;

    bool gelesen() const { return fehler.empty(); }

    static Eingelesen mitText(std::string text) { return {std::move(text), {}}; }
    static Eingelesen mitFehler(std::string meldung) { return {{}, std::move(meldung)}; }
};

} // namespace velmora
