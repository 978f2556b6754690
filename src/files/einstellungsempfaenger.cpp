#include "files/einstellungsempfaenger.h"

namespace velmora {

void einstellungenAnwenden(const GeleseneEinstellungen& gelesen,
                           Einstellungsempfaenger& empfaenger) {
    for (std::size_t i = 0; i < gelesen.size(); ++i) {
        if (!gelesen[i]) {
            continue;
        }
        const auto& zeile = einstellungszeilen[i];
        const auto& wert = *gelesen[i];
        switch (zeile.element) {
        case Steuerelement::Geschlecht:
            empfaenger.geschlechtWaehlen(std::get<int>(wert));
            break;
        case Steuerelement::Text:
            empfaenger.textSetzen(zeile.nummer, std::get<std::string>(wert));
            break;
        case Steuerelement::Notenknopf:
            empfaenger.knopfSetzen(zeile.nummer, zeile.knopf, std::get<bool>(wert));
            break;
        case Steuerelement::Anzeige:
            empfaenger.anzeigeSetzen(zeile.nummer, std::get<int>(wert));
            break;
        case Steuerelement::Reiter:
            empfaenger.reiterSetzen(zeile.nummer, std::get<int>(wert));
            break;
        }
    }
}

} // namespace velmora
