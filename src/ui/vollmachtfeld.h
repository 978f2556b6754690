#pragma once

#include <QComboBox>

#include <string>
#include <string_view>

namespace velmora {

// The choice of what stands before the signatory's name: one of `vollmachten`, the empty one
// shown as "(ohne)".
class Vollmachtfeld : public QComboBox {
    Q_OBJECT
public:
    Vollmachtfeld();

    std::string wert() const;
    // A value that is none of `vollmachten` chooses the empty one.
    void wertSetzen(std::string_view wert);
};

} // namespace velmora
