#include "render/pdfmetadaten.h"

#include "output/xmltext.h"

#include <QRegularExpression>

namespace velmora {

namespace {

// "+02:00" in the XMP, "+02'00'" in the info dictionary; UTC is "Z" in both.
QString zeitzone(const QDateTime& zeitpunkt, QChar trenner, const QString& ende) {
    const int minuten = zeitpunkt.offsetFromUtc() / 60;
    if (minuten == 0) {
        return QStringLiteral("Z");
    }
    return QStringLiteral("%1%2%3%4%5")
        .arg(minuten < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(std::abs(minuten) / 60, 2, 10, QLatin1Char('0'))
        .arg(trenner)
        .arg(std::abs(minuten) % 60, 2, 10, QLatin1Char('0'))
        .arg(ende);
}

QString xmpdatum(const QDateTime& zeitpunkt) {
    return zeitpunkt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           zeitzone(zeitpunkt, QLatin1Char(':'), QString());
}

void element(std::string& xml, std::string_view name, const QString& text) {
    xml += "   <";
    xml += name;
    xml += '>';
    xmlTextAnhaengen(text.toStdString(), xml);
    xml += "</";
    xml += name;
    xml += ">\n";
}

// The creation date as the info dictionary writes it: "D:20030630120000+02'00'".
QByteArray infodatum(const QDateTime& zeitpunkt) {
    return (QStringLiteral("D:") + zeitpunkt.toString(QStringLiteral("yyyyMMddHHmmss")) +
            zeitzone(zeitpunkt, QLatin1Char('\''), QStringLiteral("'")))
        .toLatin1();
}

// A text string of the info dictionary: UTF-16 with its byte-order mark, in hex digits, so
// that no character needs escaping.
QByteArray pdfText(const QString& text) {
    return '<' + utf16hex(QChar(0xFEFF) + text) + '>';
}

} // namespace

QByteArray utf16hex(QStringView text) {
    QByteArray utf16;
    utf16.reserve(2 * text.size());
    for (const QChar zeichen : text) {
        utf16 += char(zeichen.unicode() >> 8);
        utf16 += char(zeichen.unicode() & 0xFF);
    }
    return utf16.toHex().toUpper();
}

QByteArray verzeichniszeile(qsizetype stelle) {
    return QByteArray::number(stelle).rightJustified(10, '0') + " 00000 n \n";
}

QByteArray xmpPaket(const Pdfmetadaten& daten) {
    std::string xml = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                      " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                      "  <rdf:Description rdf:about=\"\" "
                      "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                      "   <dc:format>application/pdf</dc:format>\n"
                      "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">";
    xmlTextAnhaengen(daten.titel.toStdString(), xml);
    xml += "</rdf:li></rdf:Alt></dc:title>\n";
    if (!daten.verfasser.isEmpty()) {
        xml += "   <dc:creator><rdf:Seq><rdf:li>";
        xmlTextAnhaengen(daten.verfasser.toStdString(), xml);
        xml += "</rdf:li></rdf:Seq></dc:creator>\n";
    }
    const QString datum = xmpdatum(daten.erstellt);
    xml += "  </rdf:Description>\n"
           "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n";
    element(xml, "xmp:CreatorTool", daten.programm);
    for (const std::string_view name : {"xmp:CreateDate", "xmp:ModifyDate", "xmp:MetadataDate"}) {
        element(xml, name, datum);
    }
    xml += "  </rdf:Description>\n"
           "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n";
    element(xml, "pdf:Producer", daten.hersteller);
    xml += "  </rdf:Description>\n"
           "  <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
           "   <pdfaid:part>1</pdfaid:part>\n"
           "   <pdfaid:conformance>B</pdfaid:conformance>\n"
           "  </rdf:Description>\n"
           " </rdf:RDF>\n"
           "</x:xmpmeta>\n"
           "<?xpacket end=\"w\"?>";
    return QByteArray::fromStdString(xml);
}

QByteArray infoWoerterbuch(const Pdfmetadaten& daten) {
    QByteArray eintraege = "<<\n/Title " + pdfText(daten.titel);
    if (!daten.verfasser.isEmpty()) {
        eintraege += "\n/Author " + pdfText(daten.verfasser);
    }
    const QByteArray datum = infodatum(daten.erstellt);
    return eintraege + "\n/Creator " + pdfText(daten.programm) + "\n/Producer " +
           pdfText(daten.hersteller) + "\n/CreationDate (" + datum + ")\n/ModDate (" + datum +
           ")\n>>";
}

QByteArray infoNachtragen(const QByteArray& pdf, const Pdfmetadaten& daten) {
    // Qt ends with: trailer << /Size … /Info n 0 R … >> startxref offset %%EOF
    static const QRegularExpression ende(
        QStringLiteral(
            "trailer\\n<<\\n(.*/Info (\\d+) 0 R.*)\\n>>\\nstartxref\\n(\\d+) ?\\n%%EOF\\n$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch treffer = ende.match(QString::fromLatin1(pdf.right(512)));
    if (!treffer.hasMatch()) {
        return pdf;
    }
    QByteArray neu = pdf;
    const qsizetype info = neu.size();
    neu += treffer.captured(2).toLatin1() + " 0 obj\n" + infoWoerterbuch(daten) + "\nendobj\n";
    const qsizetype verweise = neu.size();
    neu += "xref\n" + treffer.captured(2).toLatin1() + " 1\n" + verzeichniszeile(info) +
           "trailer\n<<\n" + treffer.captured(1).toLatin1() + "\n/Prev " +
           treffer.captured(3).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(verweise) +
           "\n%%EOF\n";
    return neu;
}

} // namespace velmora
