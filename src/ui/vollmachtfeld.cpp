#include "ui/vollmachtfeld.h"

#include "compose/zeugnisdaten.h"

#include <algorithm>

namespace velmora {

Vollmachtfeld::Vollmachtfeld() {
    setObjectName(QStringLiteral("cmbVollmacht"));
    for (const std::string_view vollmacht : vollmachten) {
        const QString wert = QString::fromUtf8(vollmacht);
        addItem(wert.isEmpty() ? QStringLiteral("(ohne)") : wert, wert);
    }
}

std::string Vollmachtfeld::wert() const {
    return currentData().toString().toStdString();
}

void Vollmachtfeld::wertSetzen(std::string_view wert) {
    const auto gefunden = std::find(vollmachten.begin(), vollmachten.end(), wert);
    setCurrentIndex(
        gefunden == vollmachten.end() ? 0 : static_cast<int>(gefunden - vollmachten.begin()));
}

} // namespace velmora
