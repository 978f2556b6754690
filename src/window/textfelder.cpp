#include "window/textfelder.h"

#include "compose/bewertungsbereich.h"
#include "files/textzeilen.h"
#include "window/angabenfelder.h"

#include <QString>

namespace velmora {

std::vector<Textfeld> textfelder(const Zeugnisdaten& daten) {
    std::vector<Textfeld> felder;
    for (int i = 0; i < anzahlEingaben; ++i) {
        felder.push_back({QString::fromUtf8(eingabeSlots[i]), daten.texte[i],
                          reiterDerEingabe(static_cast<Eingabe>(i)), true});
    }
    std::string aufgaben;
    for (const std::string& aufgabe : daten.aufgaben.liste) {
        aufgaben += aufgabe + '\n';
    }
    felder.push_back({QStringLiteral("Bereich"), daten.aufgaben.bereich, aufgabenReiter, true});
    felder.push_back({QStringLiteral("Aufgaben"), aufgaben, aufgabenReiter, false});
    felder.push_back(
        {QStringLiteral("Besondere Erfolge"), daten.aufgaben.erfolge, aufgabenReiter, false});
    felder.push_back(
        {QStringLiteral("Unterzeichner"), daten.unterzeichner.name, unterschriftReiter, true});
    felder.push_back(
        {QStringLiteral("Funktion"), daten.unterzeichner.funktion, unterschriftReiter, true});
    return felder;
}

QStringList zuLangeFelder(const Zeugnisdaten& daten) {
    QStringList namen;
    for (const Textfeld& feld : textfelder(daten)) {
        // Fewer bytes never hold more characters.
        if (feld.einzeilig && feld.text.size() > std::size_t{feldlaenge} &&
            QString::fromStdString(feld.text).size() > feldlaenge) {
            namen.append(feld.name);
        }
    }
    return namen;
}

} // namespace velmora
