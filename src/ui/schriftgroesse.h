#pragma once

#include <QFont>

#include <cmath>

namespace velmora {

// The font in the largest size at which `passt` holds: its own size or smaller in steps of a
// quarter point, but not below 5 points, where a text could no longer be read.
template <class Passt> QFont passendeSchrift(QFont schrift, Passt passt) {
    constexpr int viertelProPunkt = 4;
    constexpr int kleinsteViertel = 5 * viertelProPunkt;
    for (int viertel = static_cast<int>(std::lround(schrift.pointSizeF() * viertelProPunkt));
         viertel > kleinsteViertel && !passt(schrift);) {
        schrift.setPointSizeF(static_cast<double>(--viertel) / viertelProPunkt);
    }
    return schrift;
}

} // namespace velmora
