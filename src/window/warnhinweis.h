#pragma once

#include <QString>

namespace velmora {

// The text of the tab "&Wichtiger Hinweis": three paragraphs that the box wraps.
QString warnhinweis();

} // namespace velmora
