#pragma once

// PDF documents for the reader's tests, set as a simple writer sets them: Helvetica 10 pt, one
// text object a line, in the order given.
#include "encoding/zeichensatz.h"

#include <string>
#include <vector>

namespace velmora::test {

struct Testzeile {
    double oben = 0; // from the page's top, points
    std::string text;
};

inline std::string testpdf(const std::vector<std::vector<Testzeile>>& seiten) {
    std::vector<std::string> objekte{"<</Type/Catalog/Pages 2 0 R>>", "",
                                     "<</Type/Font/Subtype/Type1/BaseFont/Helvetica"
                                     "/Encoding/WinAnsiEncoding>>"};
    std::string kinder;
    for (const std::vector<Testzeile>& seite : seiten) {
        kinder += std::to_string(objekte.size() + 1) + " 0 R ";
        objekte.push_back("<</Type/Page/Parent 2 0 R/MediaBox[0 0 595 842]/Resources<</Font<</F1 "
                          "3 0 R>>>>/Contents " +
                          std::to_string(objekte.size() + 2) + " 0 R>>");
        std::string inhalt = seite.empty() ? "72 400 m 500 400 l S\n" : "";
        for (const Testzeile& zeile : seite) {
            std::string text;
            const std::string zeichen = utf8NachWindows1252(zeile.text).value();
            for (const char c : zeichen) {
                text += c == '(' || c == ')' || c == '\\' ? std::string{'\\', c} : std::string{c};
            }
            inhalt += "BT /F1 10 Tf 72 " + std::to_string(834 - zeile.oben) + " Td (" + text +
                      ") Tj ET\n";
        }
        objekte.push_back("<</Length " + std::to_string(inhalt.size()) + ">>stream\n" + inhalt +
                          "endstream");
    }
    objekte[1] = "<</Type/Pages/Kids[" + kinder + "]/Count " + std::to_string(seiten.size()) + ">>";

    std::string pdf = "%PDF-1.4\n";
    std::string verzeichnis =
        "xref\n0 " + std::to_string(objekte.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t i = 0; i < objekte.size(); ++i) {
        const std::string stelle = std::to_string(pdf.size());
        verzeichnis += std::string(10 - stelle.size(), '0') + stelle + " 00000 n \n";
        pdf += std::to_string(i + 1) + " 0 obj\n" + objekte[i] + "\nendobj\n";
    }
    const std::string start = std::to_string(pdf.size());
    return pdf + verzeichnis + "trailer\n<</Size " + std::to_string(objekte.size() + 1) +
           "/Root 1 0 R>>\nstartxref\n" + start + "\n%%EOF\n";
}

} // namespace velmora::test
