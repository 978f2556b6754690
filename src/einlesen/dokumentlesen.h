#pragma once

#include "einlesen/eingelesen.h"

#include <string_view>

namespace velmora {

// What a file holds, told by its first bytes and never by its name.
enum class Dokumentformat {
    Text,
    Zeugnisdatei, // the program's own reference file, JSON
    Rtf,
    Docx, // any ZIP archive: the reader tells a Word document from another archive
    Pdf,
    AltesWord, // a binary Word document (an OLE compound file)
};

Dokumentformat dokumentformat(std::string_view bytes);

// The body text of a document of a format that is neither text nor the program's own file.
Eingelesen dokumentLesen(Dokumentformat format, std::string_view bytes);

} // namespace velmora
