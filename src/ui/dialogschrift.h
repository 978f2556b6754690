#pragma once

#include <QFont>

namespace velmora {

// The dialogs set their fonts themselves: their texts wrap within fixed boxes, and the
// desktop's own (often larger) font would clip them.
inline QFont arial(double punkte) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkte);
    return schrift;
}

} // namespace velmora
