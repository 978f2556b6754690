#pragma once

#include <QWidget>

namespace velmora {

// The support dialog: asks for a voluntary payment and shows the bank details for it.
class frmUnterst : public QWidget {
    Q_OBJECT
public:
    frmUnterst();
};

} // namespace velmora
