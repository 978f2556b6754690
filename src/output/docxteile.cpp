#include "output/docxteile.h"

#include "output/docxhaupttext.h"
#include "output/xmltext.h"

#include <string_view>

namespace velmora {

namespace {

constexpr std::string_view beziehungsarten = "http://schemas.openxmlformats.org/officeDocument/"
                                             "2006/relationships/";
constexpr std::string_view inhaltsarten = "application/vnd.openxmlformats-officedocument."
                                          "wordprocessingml.";

// A part of WordprocessingML's own: one root element in its namespace.
std::string wTeil(std::string_view wurzel, std::string_view inhalt) {
    std::string xml(docxXmlKopf);
    xml += "<w:";
    xml += wurzel;
    xml += ' ';
    xml += docxNamensraumW;
    xml += '>';
    xml += inhalt;
    xml += "</w:";
    xml += wurzel;
    xml += '>';
    return xml;
}

std::string beziehung(std::string_view id, std::string_view art, std::string_view ziel) {
    return "<Relationship Id=\"" + std::string(id) + "\" Type=\"" + std::string(art) +
           "\" Target=\"" + std::string(ziel) + "\"/>";
}

std::string beziehungen(const std::vector<std::string>& eintraege) {
    std::string xml(docxXmlKopf);
    xml += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships\">";
    for (const std::string& eintrag : eintraege) {
        xml += eintrag;
    }
    return xml + "</Relationships>";
}

std::string inhaltstypen(bool seitenzahlen) {
    std::string xml(docxXmlKopf);
    xml += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"png\" ContentType=\"image/png\"/>"
           "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>";
    for (const std::string_view teil : {"document", "styles", "numbering", "settings"}) {
        xml += "<Override PartName=\"/word/" + std::string(teil) + ".xml\" ContentType=\"" +
               std::string(inhaltsarten) +
               std::string(teil == "document" ? "document.main" : teil) + "+xml\"/>";
    }
    if (seitenzahlen) {
        xml += "<Override PartName=\"/word/footer1.xml\" ContentType=\"" +
               std::string(inhaltsarten) + "footer+xml\"/>";
    }
    return xml + "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-package.core-properties+xml\"/></Types>";
}

// The document's font at 10 pt in German, no space between paragraphs and single lines, as
// in the RTF; kerning on, as LibreOffice sets RTF; no paragraph leaves a single line at the
// foot or the head of a page.
std::string formatvorlagen() {
    return "<w:docDefaults><w:rPrDefault><w:rPr>" + docxSchrift() +
           "<w:kern w:val=\"2\"/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/>"
           "<w:lang w:val=\"de-DE\"/>"
           "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:widowControl/>"
           "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>"
           "</w:pPr></w:pPrDefault></w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
           "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>";
}

// The one bulleted list, its bullet hanging left of the item's text as in the RTF.
std::string nummerierung() {
    const std::string einzug = std::to_string(listeneinzug);
    return "<w:abstractNum w:abstractNumId=\"0\"><w:multiLevelType w:val=\"singleLevel\"/>"
           "<w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"bullet\"/>"
           "<w:lvlText w:val=\"" +
           std::string(aufzaehlungszeichen) +
           "\"/><w:lvlJc w:val=\"left\"/>"
           "<w:pPr><w:ind w:left=\"" +
           einzug + "\" w:hanging=\"" + einzug + "\"/></w:pPr><w:rPr>" + docxSchrift() +
           "</w:rPr></w:lvl></w:abstractNum>"
           "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>";
}

// Tab stops as in the RTF, and the layout of the current Word.
std::string einstellungen() {
    return "<w:defaultTabStop w:val=\"" + std::to_string(tabulatorabstand) +
           "\"/><w:compat><w:compatSetting w:name=\"compatibilityMode\" "
           "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>";
}

std::string eigenschaften(const Dokumentmodell& modell) {
    std::string xml(docxXmlKopf);
    xml += "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>";
    xmlTextAnhaengen(modell.titel, xml);
    xml += "</dc:title><dc:creator>";
    xmlTextAnhaengen(modell.verfasser, xml);
    return xml + "</dc:creator></cp:coreProperties>";
}

} // namespace

std::vector<Docxteil> docxteile(const Dokumentmodell& modell, bool seitenzahlen) {
    const std::string art(beziehungsarten);
    std::vector<std::string> verweise = {
        beziehung("rId1", art + "styles", "styles.xml"),
        beziehung("rId2", art + "numbering", "numbering.xml"),
        beziehung("rId3", art + "settings", "settings.xml"),
    };
    const Bild* logo =
        modell.briefkopf && modell.briefkopf->logo ? &*modell.briefkopf->logo : nullptr;
    const std::string logoname =
        logo && logo->format == Bildformat::Jpeg ? "media/logo.jpeg" : "media/logo.png";
    if (logo) {
        verweise.push_back(beziehung(docxLogoId, art + "image", logoname));
    }
    if (seitenzahlen) {
        verweise.push_back(beziehung(docxFusszeileId, art + "footer", "footer1.xml"));
    }
    std::vector<Docxteil> teile = {
        {"[Content_Types].xml", inhaltstypen(seitenzahlen)},
        {"_rels/.rels",
         beziehungen({beziehung("rId1", art + "officeDocument", "word/document.xml"),
                      beziehung("rId2",
                                "http://schemas.openxmlformats.org/package/2006/relationships/"
                                "metadata/core-properties",
                                "docProps/core.xml")})},
        {"word/document.xml", docxHaupttext(modell, seitenzahlen)},
        {"word/_rels/document.xml.rels", beziehungen(verweise)},
        {"word/styles.xml", wTeil("styles", formatvorlagen())},
        {"word/numbering.xml", wTeil("numbering", nummerierung())},
        {"word/settings.xml", wTeil("settings", einstellungen())},
        {"docProps/core.xml", eigenschaften(modell)},
    };
    if (logo) {
        teile.push_back({"word/" + logoname, logo->daten, true});
    }
    if (seitenzahlen) {
        teile.push_back({"word/footer1.xml", wTeil("ftr", docxFusszeile())});
    }
    return teile;
}

} // namespace velmora
