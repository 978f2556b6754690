#include "render/pdfausgabe.h"

#include "render/pdfmetadaten.h"
#include "render/seitendruck.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"

#include <QBuffer>
#include <QPdfWriter>

namespace velmora {

namespace {

QByteArray pdfSchreiben(const Seitensatz& satz, const Seite& seite, const Pdfmetadaten& daten) {
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
    const Pdfmetadaten daten{
        dokumenttext(modell.titel), dokumenttext(modell.verfasser), QStringLiteral("Velmora"),
        QStringLiteral("Qt ") + QLatin1String(qVersion()), QDateTime::currentDateTime()};
    return infoNachtragen(pdfSchreiben(seitensatz(modell), modell.seite, daten), daten);
}

} // namespace velmora
