#pragma once

#include <QString>

namespace velmora {

// The text of the tab "&Wichtiger Hinweis", one line per line of the box, ending with a line
// break as the box holds it.
QString warnhinweis();

} // namespace velmora
