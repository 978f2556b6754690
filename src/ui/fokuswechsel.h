#pragma once

#include <Qt>

namespace velmora {

// Focus that leaves a box because the user moved it, not because the window was left, a
// menu opened or a context menu popped up: only then has the user left the box.
inline bool verlassenDurchBenutzer(Qt::FocusReason grund) {
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
           grund != Qt::MenuBarFocusReason;
}

} // namespace velmora
