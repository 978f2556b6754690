#include "output/klartext.h"

namespace velmora {

std::string klartext(const Zeugnisdaten& daten, const AngezeigteVorschautexte& vorschautexte) {
    const std::vector<Zeugnisstueck> stuecke = zeugnisaufbau(daten, vorschautexte);
    std::size_t laenge = 0;
    for (const Zeugnisstueck& stueck : stuecke) {
        laenge += stueck.text.size() + 2 * static_cast<std::size_t>(stueck.zeilenumbrueche);
    }
    std::string text;
    text.reserve(laenge);
    for (const Zeugnisstueck& stueck : stuecke) {
        text += stueck.text;
        for (int i = 0; i < stueck.zeilenumbrueche; ++i) {
            text += "\r\n";
        }
    }
    return text;
}

} // namespace velmora
