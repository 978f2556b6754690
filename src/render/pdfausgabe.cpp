#include "render/pdfausgabe.h"

#include "render/pdfmetadaten.h"
#include "render/pdfschreiber.h"
#include "render/seitendruck.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"

#include <QBuffer>
#include <QPdfWriter>

namespace velmora {

namespace {

// Qt's writer, for faces the program's own cannot embed.
QByteArray qtPdf(const Seitensatz& satz, const Seite& seite, const Pdfmetadaten& daten) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setPageLayout(seitenlayout(seite));
    pdf.setTitle(daten.titel);
    pdf.setCreator(daten.programm);
    pdf.setDocumentXmpMetadata(xmpPaket(daten));
    // A buffer in memory takes every page.
    seitenDrucken(pdf, satz);
    return puffer.data();
}

} // namespace

QByteArray pdfAusgabe(const Zeugnisausgabe& ausgabe) {
    return dokumentPdf(ausgabe.modell);
}

QByteArray dokumentPdf(const Dokumentmodell& modell) {
    Pdfmetadaten daten{dokumenttext(modell.titel), dokumenttext(modell.verfasser),
                       QStringLiteral("Velmora"), QStringLiteral("Velmora"),
                       QDateTime::currentDateTime()};
    const Seitensatz satz = seitensatz(modell);
    if (std::optional<QByteArray> pdf = pdfSchreiben(satz, daten)) {
        return *std::move(pdf);
    }
    daten.hersteller = QStringLiteral("Qt ") + QLatin1String(qVersion());
    return infoNachtragen(qtPdf(satz, modell.seite, daten), daten);
}

} // namespace velmora
