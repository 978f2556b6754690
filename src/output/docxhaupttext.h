#pragma once

#include "output/dokumentmodell.h"

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view docxXmlKopf =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
inline constexpr std::string_view docxNamensraumW =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";

// The relationships through which document.xml names the logo's picture and the footer.
inline constexpr std::string_view docxLogoId = "rId4";
inline constexpr std::string_view docxFusszeileId = "rId5";

// The font element of the runs, the defaults and the bullet: the document's font.
const std::string& docxSchrift();

// word/document.xml: the letterhead, the paragraphs and the page set-up, with the footer
// that numbers the pages when asked for.
std::string docxHaupttext(const Dokumentmodell& modell, bool seitenzahlen = false);

// The footer's paragraph: "Seite {PAGE} von {NUMPAGES}" centred, the numbers as fields.
std::string docxFusszeile();

} // namespace velmora
