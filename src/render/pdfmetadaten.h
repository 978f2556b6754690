#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace velmora {

// A PDF's metadata. PDF/A wants it twice, alike: in the XMP packet and in the document's info
// dictionary.
struct Pdfmetadaten {
    QString titel;
    QString verfasser; // nothing when empty
    QString programm;
    QString hersteller;
    QDateTime erstellt;
};

// Text as UTF-16 in hex digits, four to a unit, the high byte first.
QByteArray utf16hex(QStringView text);
// The row of a cross-reference table for an object that begins at that offset.
QByteArray verzeichniszeile(qsizetype stelle);

QByteArray xmpPaket(const Pdfmetadaten& daten);
// The metadata as the document's info dictionary writes it, the author only when there is one.
QByteArray infoWoerterbuch(const Pdfmetadaten& daten);

// Appends to a PDF as Qt writes it an update of its info dictionary: the same metadata as in
// the XMP packet, with the author, which Qt cannot set. A PDF whose end is not as Qt writes it
// is left as it is.
QByteArray infoNachtragen(const QByteArray& pdf, const Pdfmetadaten& daten);

} // namespace velmora
