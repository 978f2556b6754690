#pragma once

#include <QStringList>

#include <string>
#include <vector>

namespace velmora {

// A list a box shows one entry per line. The entries of the lines the caller counts:
std::vector<std::string> zeilenliste(const QStringList& zeilen);
// and the box's text, the entries joined by line breaks.
QString zeilentext(const std::vector<std::string>& zeilen);

} // namespace velmora
