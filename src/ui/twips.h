#pragma once

#include <QRect>
#include <QSize>

namespace velmora {

// The dialogs are laid out in twips; 15 twips make one logical pixel.
constexpr int twipsNachPixel(int twips) {
    return (twips + 7) / 15;
}

inline QRect twipsRechteck(int links, int oben, int breite, int hoehe) {
    return {twipsNachPixel(links), twipsNachPixel(oben), twipsNachPixel(breite),
            twipsNachPixel(hoehe)};
}

inline QSize twipsGroesse(int breite, int hoehe) {
    return {twipsNachPixel(breite), twipsNachPixel(hoehe)};
}

} // namespace velmora
