#pragma once

#include <QByteArray>

namespace velmora {

struct Dokumentmodell;
struct Zeugnisausgabe;

// The reference as a PDF/A-1b document on the model's paper, every font embedded, its title
// and the employer as its author in the document's metadata.
QByteArray pdfAusgabe(const Zeugnisausgabe& ausgabe);
// Any document so, with the model's title and author.
QByteArray dokumentPdf(const Dokumentmodell& modell);

} // namespace velmora
