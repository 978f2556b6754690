#include "einlesen/dokumentlesen.h"

#include "einlesen/docxleser.h"
#include "einlesen/pdfleser.h"
#include "einlesen/rtfleser.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// The first bytes of each format; checked in this order, so "{\rtf" before "{".
// A ZIP archive begins with a member or, empty, with its directory's end.
constexpr std::array<std::pair<std::string_view, Dokumentformat>, 6> kennungen{{
    {"%PDF-"sv, Dokumentformat::Pdf},
    {"PK\x03\x04"sv, Dokumentformat::Docx},
    {"PK\x05\x06"sv, Dokumentformat::Docx},
    {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, Dokumentformat::AltesWord},
    {"{\\rtf"sv, Dokumentformat::Rtf},
    {"{"sv, Dokumentformat::Zeugnisdatei},
}};

} // namespace

Dokumentformat dokumentformat(std::string_view bytes) {
    for (const auto& [kennung, format] : kennungen) {
        if (bytes.starts_with(kennung)) {
            return format;
        }
    }
    return Dokumentformat::Text;
}

Eingelesen dokumentLesen(Dokumentformat format, std::string_view bytes) {
    switch (format) {
    case Dokumentformat::Pdf:
        return pdfLesen(bytes);
    case Dokumentformat::Docx:
        return docxLesen(bytes);
    case Dokumentformat::Rtf:
        return rtfLesen(bytes);
    case Dokumentformat::AltesWord:
        return Eingelesen::mitFehler("Alte Word-Dateien (.doc) kann Velmora nicht lesen; bitte "
                                     "als PDF oder .docx speichern.");
    case Dokumentformat::Text:
    case Dokumentformat::Zeugnisdatei:
        break;
    }
    return Eingelesen::mitText(std::string(bytes));
}

} // namespace velmora
