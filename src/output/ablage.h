#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What creating a new file gave: written, the name taken already, or an error with its reason.
struct Anlegeergebnis {
    enum class Art { Angelegt, Vorhanden, Fehler } art;
    std::string grund;
};

// Creates the file at the path with the document in it, never replacing one that exists.
using DateiAnlegen = std::function<Anlegeergebnis(const std::string& pfad)>;

struct Ablage {
    std::optional<std::string> pfad; // the file written
    std::string fehler;              // else why not, in words for the user
};

// Saves the document in the folder under the first free name ("Zeugnis.doc", "Zeugnis (2).doc"
// and so on, with the format's ending); an existing file is never replaced, since the user may
// have edited it.
Ablage zeugnisAblegen(std::string_view ordner, const DateiAnlegen& anlegen,
                      std::string_view endung = "doc");

} // namespace velmora
