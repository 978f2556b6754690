#include "output/docxhaupttext.h"

#include "output/dokumenttext.h"
#include "output/xmltext.h"

namespace velmora {

namespace {

// The attribute w:val="..." with a number.
std::string wert(int zahl) {
    return " w:val=\"" + std::to_string(zahl) + "\"/>";
}

// Run properties in the order the schema prescribes: font, bold, italic, width, size.
void zeichenformat(const Zeichenformat& format, std::string& xml) {
    xml += "<w:rPr>";
    xml += docxSchrift();
    if (format.fett) {
        xml += "<w:b/><w:bCs/>";
    }
    if (format.kursiv) {
        xml += "<w:i/><w:iCs/>";
    }
    if (format.breite != 100) {
        xml += "<w:w" + wert(format.breite);
    }
    xml += "<w:sz" + wert(format.halbpunkte);
    xml += "<w:szCs" + wert(format.halbpunkte);
    xml += "</w:rPr>";
}

std::string_view ausrichtung(Ausrichtung a) {
    switch (a) {
    case Ausrichtung::Zentriert:
        return "<w:jc w:val=\"center\"/>";
    case Ausrichtung::Blocksatz:
        return "<w:jc w:val=\"both\"/>";
    case Ausrichtung::Links:
        break;
    }
    return "<w:jc w:val=\"left\"/>";
}

// A tab is an element of its own between the run's texts.
void laufSchreiben(const Lauf& lauf, std::string& xml) {
    xml += "<w:r>";
    zeichenformat(lauf.format, xml);
    bool textOffen = false;
    dokumentzeichen(lauf.text, [&](char32_t c) {
        if (c == tabulator) {
            xml += textOffen ? "</w:t><w:tab/>" : "<w:tab/>";
            textOffen = false;
            return;
        }
        if (!textOffen) {
            xml += "<w:t xml:space=\"preserve\">";
            textOffen = true;
        }
        xmlZeichenAnhaengen(c, xml);
    });
    xml += textOffen ? "</w:t></w:r>" : "</w:r>";
}

// English Metric Units, 635 to the twip.
std::string emu(int twips) {
    return std::to_string(static_cast<long long>(twips) * 635);
}

void bildSchreiben(const Bild& bild, std::string& xml) {
    const std::string cx = emu(bild.breite);
    const std::string cy = emu(bild.hoehe);
    xml += "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
           "<wp:extent cx=\"" +
           cx + "\" cy=\"" + cy +
           "\"/><wp:docPr id=\"1\" name=\"Logo\"/>"
           "<a:graphic><a:graphicData "
           "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
           "<pic:nvPicPr><pic:cNvPr id=\"0\" name=\"Logo\"/><pic:cNvPicPr/></pic:nvPicPr>"
           "<pic:blipFill><a:blip r:embed=\"" +
           std::string(docxLogoId) +
           "\"/>"
           "<a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
           "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" +
           cx + "\" cy=\"" + cy +
           "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
           "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
}

// Paragraph properties in schema order: keeping together, list, alignment, the mark's format.
void absatzSchreiben(const Absatz& absatz, std::string& xml) {
    xml += "<w:p><w:pPr>";
    if (absatz.mitNaechstem) {
        xml += "<w:keepNext/>";
    }
    if (absatz.ungeteilt) {
        xml += "<w:keepLines/>";
    }
    if (absatz.listenpunkt) {
        xml += "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>";
    }
    xml += ausrichtung(absatz.ausrichtung);
    zeichenformat(absatz.marke, xml);
    xml += "</w:pPr>";
    if (absatz.bild) {
        bildSchreiben(*absatz.bild, xml);
    }
    for (const Lauf& lauf : absatz.laeufe) {
        if (!lauf.text.empty()) {
            laufSchreiben(lauf, xml);
        }
    }
    xml += "</w:p>";
}

void seiteSchreiben(const Seite& seite, bool seitenzahlen, std::string& xml) {
    xml += "<w:sectPr>";
    if (seitenzahlen) {
        xml +=
            "<w:footerReference w:type=\"default\" r:id=\"" + std::string(docxFusszeileId) + "\"/>";
    }
    xml += "<w:pgSz w:w=\"" + std::to_string(seite.breite) + "\" w:h=\"" +
           std::to_string(seite.hoehe) + "\"/><w:pgMar w:top=\"" + std::to_string(seite.oben) +
           "\" w:right=\"" + std::to_string(seite.rechts) + "\" w:bottom=\"" +
           std::to_string(seite.unten) + "\" w:left=\"" + std::to_string(seite.links) +
           "\" w:header=\"708\" w:footer=\"" + std::to_string(fusszeilenabstand) +
           "\" w:gutter=\"0\"/></w:sectPr>";
}

// A field the word processor fills in, with a stand-in until it does.
void feldSchreiben(std::string_view befehl, std::string_view platzhalter, std::string& xml) {
    const auto lauf = [&](std::string_view inhalt) {
        xml += "<w:r>";
        zeichenformat(seitenzahlformat, xml);
        xml += inhalt;
        xml += "</w:r>";
    };
    lauf("<w:fldChar w:fldCharType=\"begin\"/>");
    lauf("<w:instrText xml:space=\"preserve\"> " + std::string(befehl) + " </w:instrText>");
    lauf("<w:fldChar w:fldCharType=\"separate\"/>");
    lauf("<w:t>" + std::string(platzhalter) + "</w:t>");
    lauf("<w:fldChar w:fldCharType=\"end\"/>");
}

} // namespace

std::string docxFusszeile() {
    std::string xml = "<w:p><w:pPr>";
    xml += ausrichtung(Ausrichtung::Zentriert);
    zeichenformat(seitenzahlformat, xml);
    xml += "</w:pPr>";
    laufSchreiben({std::string(seitenwort), seitenzahlformat}, xml);
    feldSchreiben("PAGE", "1", xml);
    laufSchreiben({std::string(vonwort), seitenzahlformat}, xml);
    feldSchreiben("NUMPAGES", "1", xml);
    return xml + "</w:p>";
}

const std::string& docxSchrift() {
    static const std::string element = [] {
        const std::string schrift(dokumentschrift);
        return "<w:rFonts w:ascii=\"" + schrift + "\" w:eastAsia=\"" + schrift + "\" w:hAnsi=\"" +
               schrift + "\" w:cs=\"" + schrift + "\"/>";
    }();
    return element;
}

std::string docxHaupttext(const Dokumentmodell& modell, bool seitenzahlen) {
    std::string xml;
    xml.reserve(32768);
    xml += docxXmlKopf;
    xml += "<w:document ";
    xml += docxNamensraumW;
    xml += " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
           " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
           " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
           " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><w:body>";
    for (const Absatz& absatz : briefkopfAbsaetze(modell)) {
        absatzSchreiben(absatz, xml);
    }
    for (const Absatz& absatz : modell.absaetze) {
        absatzSchreiben(absatz, xml);
    }
    seiteSchreiben(modell.seite, seitenzahlen, xml);
    xml += "</w:body></w:document>";
    return xml;
}

} // namespace velmora
