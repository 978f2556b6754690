#include "output/klartext.h"

#include <string_view>

namespace velmora {

namespace {

constexpr std::string_view listenzeichen = "– ";

} // namespace

std::string klartext(const Dokumentmodell& modell) {
    std::size_t laenge = 0;
    for (const Absatz& absatz : modell.absaetze) {
        laenge += absatz.listenpunkt ? listenzeichen.size() : 0;
        for (const Lauf& lauf : absatz.laeufe) {
            laenge += lauf.text.size() + 2 * static_cast<std::size_t>(lauf.zeilenumbrueche);
        }
    }
    std::string text;
    text.reserve(laenge);
    for (const Absatz& absatz : modell.absaetze) {
        if (absatz.listenpunkt) {
            text += listenzeichen;
        }
        for (const Lauf& lauf : absatz.laeufe) {
            text += lauf.text;
            for (int i = 0; i < lauf.zeilenumbrueche; ++i) {
                text += "\r\n";
            }
        }
    }
    return text;
}

std::string klartext(const Zeugnisdaten& daten, const AngezeigteVorschautexte& vorschautexte) {
    return klartext(zeugnismodell(daten, vorschautexte));
}

} // namespace velmora
