#pragma once

#include <QIcon>

namespace velmora {

// The program's icon (a certificate sheet with a seal) in 16 × 16 and 32 × 32.
QIcon programmsymbol();

} // namespace velmora
