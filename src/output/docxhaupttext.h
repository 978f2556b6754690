#pragma once

#include "output/dokumentmodell.h"

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view docxXmlKopf =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
inline constexpr std::string_view docxNamensraumW =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";

// The relationship through which document.xml names the logo's picture.
inline constexpr std::string_view docxLogoId = "rId4";

// The font element of the runs, the defaults and the bullet: the document's font.
const std::string& docxSchrift();

// word/document.xml: the letterhead, the paragraphs and the page set-up.
std::string docxHaupttext(const Dokumentmodell& modell);

} // namespace velmora
