#include "bausteine/zusammenfuehrung.h"

#include <algorithm>
#include <string>

namespace velmora {

namespace {

const Textbaustein* finden(const Textbausteine& liste, std::string_view id) {
    const auto gefunden =
        std::ranges::find_if(liste, [id](const Textbaustein& b) { return b.id == id; });
    return gefunden == liste.end() ? nullptr : &*gefunden;
}

// This clerk's version beside the others' one: an id no list holds yet, and a name that
// tells the two apart (marked once, however often the block comes back).
Textbaustein eigeneFassung(Textbaustein baustein, std::string_view benutzer,
                           const Textbausteine& eigene, const Textbausteine& fremde) {
    const std::string stamm = baustein.id + "-" + std::string(benutzer);
    baustein.id = stamm;
    for (int nummer = 2; finden(eigene, baustein.id) || finden(fremde, baustein.id); ++nummer) {
        baustein.id = stamm + "-" + std::to_string(nummer);
    }
    const std::string zusatz = " (Fassung von " + std::string(benutzer) + ")";
    if (!baustein.name.ends_with(zusatz)) {
        baustein.name += zusatz;
    }
    return baustein;
}

} // namespace

Textbausteine zusammenfuehren(const Textbausteine& basis, const Textbausteine& eigene,
                              const Textbausteine& fremde, std::string_view benutzer) {
    Textbausteine ergebnis;
    for (const Textbaustein& ihrer : fremde) {
        const Textbaustein* alt = finden(basis, ihrer.id);
        const Textbaustein* unserer = finden(eigene, ihrer.id);
        const bool hierGeaendert = unserer && (!alt || *unserer != *alt);
        if (!unserer) {
            // Deleted here: it goes, unless the others changed it meanwhile.
            if (!alt || ihrer != *alt) {
                ergebnis.push_back(ihrer);
            }
        } else if (!hierGeaendert || *unserer == ihrer) {
            ergebnis.push_back(ihrer);
        } else if (alt && ihrer == *alt) {
            ergebnis.push_back(*unserer);
        } else {
            ergebnis.push_back(ihrer);
            ergebnis.push_back(eigeneFassung(*unserer, benutzer, eigene, fremde));
        }
    }
    for (const Textbaustein& unserer : eigene) {
        const Textbaustein* alt = finden(basis, unserer.id);
        // New here, or deleted by the others after it was edited here.
        if (!finden(fremde, unserer.id) && (!alt || unserer != *alt)) {
            ergebnis.push_back(unserer);
        }
    }
    return ergebnis;
}

} // namespace velmora
