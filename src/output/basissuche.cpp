#include "output/basissuche.h"

namespace velmora {

std::optional<std::string>
basisdokumentSuchen(std::string_view programmordner,
                    std::initializer_list<std::string_view> datenordner,
                    const std::function<bool(const std::string&)>& vorhanden) {
    const auto kandidat = [&](std::string_view ordner) {
        std::string pfad(ordner);
        if (!pfad.empty() && pfad.back() != '/') {
            pfad += '/';
        }
        return pfad + "temp.doc";
    };
    if (std::string pfad = kandidat(programmordner); vorhanden(pfad)) {
        return pfad;
    }
    for (const std::string_view ordner : datenordner) {
        if (std::string pfad = kandidat(ordner); vorhanden(pfad)) {
            return pfad;
        }
    }
    return std::nullopt;
}

} // namespace velmora
