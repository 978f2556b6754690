#pragma once

#include "output/dokumentmodell.h"
#include "platform/plattform.h"

#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

namespace velmora {

struct GesetzteSeite;
struct Seitensatz;

// The paper of that size in twips; a known size such as A4 goes by its name, so that printers and
// readers know the paper.
QPageSize papierformat(QSizeF twips);

// The paper of a document's page, without margins of its own: the document sets its margins
// itself.
QPageLayout seitenlayout(const Seite& seite);

// Draws a page with a painter whose units are twips from the paper's corner.
void seiteZeichnen(QPainter& maler, const GesetzteSeite& seite);

// Prints the pages on a printer or into a PDF at the device's resolution, only those of the
// range the user chose, if any. False when the device could not be painted on.
bool seitenDrucken(QPagedPaintDevice& geraet, const Seitensatz& satz);

// The document for the printer and the print preview: laid out once, painted as often as
// they ask.
Druckauftrag druckauftrag(const Dokumentmodell& modell);

} // namespace velmora
