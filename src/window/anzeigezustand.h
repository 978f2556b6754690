#pragma once

#include "compose/zeugnisdaten.h"

#include <Qt>

namespace velmora {

// A show flag counts 0 clear, 1 set, 2 grey; Qt puts grey in the middle.
inline Qt::CheckState haekchen(int anzeige) {
    switch (anzeige) {
    case anzeigeAn:
        return Qt::Checked;
    case anzeigeGrau:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

inline int anzeigezustand(Qt::CheckState haekchen) {
    switch (haekchen) {
    case Qt::Checked:
        return anzeigeAn;
    case Qt::PartiallyChecked:
        return anzeigeGrau;
    default:
        return anzeigeAus;
    }
}

} // namespace velmora
