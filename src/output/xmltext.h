#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Appends one character to XML text or an attribute value: "<", ">", "&", '"' and "'" as
// entities; U+FFFE and U+FFFF, which XML cannot hold, dropped.
void xmlZeichenAnhaengen(char32_t zeichen, std::string& ziel);

// Appends UTF-8 text so that an XML reader reads it back as the documents keep it (see
// dokumenttext.h): a tab as a tab, other control characters dropped.
void xmlTextAnhaengen(std::string_view utf8, std::string& ziel);

} // namespace velmora
