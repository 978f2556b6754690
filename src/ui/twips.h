#pragma once

#include <QRect>
#include <QSize>

namespace velmora {

// The windows are laid out in twips (1/1440 inch); 15 twips make one logical pixel.
constexpr int twipsNachPixel(int twips) {
    return (twips + 7) / 15;
}

// A place in twips: left and top relative to the container, width and height.
struct Twips {
    int links;
    int oben;
    int breite;
    int hoehe;
};

inline QRect twipsRechteck(int links, int oben, int breite, int hoehe) {
    return {twipsNachPixel(links), twipsNachPixel(oben), twipsNachPixel(breite),
            twipsNachPixel(hoehe)};
}

inline QRect twipsRechteck(const Twips& t) {
    return twipsRechteck(t.links, t.oben, t.breite, t.hoehe);
}

inline QSize twipsGroesse(int breite, int hoehe) {
    return {twipsNachPixel(breite), twipsNachPixel(hoehe)};
}

} // namespace velmora
