#include "app/exportformate.h"

#include "output/klartext.h"
#include "output/zeugnisaufbau.h"
#include "render/pdfausgabe.h"
#include "render/zeugnisausgabe.h"

#include <QString>

namespace velmora {

namespace {

QByteArray zwischenablagetext(const Zeugnisdaten& daten, Plattform&) {
    return QByteArray::fromStdString(klartext(daten, komponierteVorschautexte(daten)));
}

template <QByteArray (*dokument)(const Zeugnisausgabe&)>
QByteArray ausgabe(const Zeugnisdaten& daten, Plattform& plattform) {
    return dokument(
        zeugnisausgabe(ausgabegrundlageLaden(plattform), daten, komponierteVorschautexte(daten)));
}

} // namespace

const std::array<Exportformat, 4> exportformate = {{
    {"txt", "der Text für die Zwischenablage (UTF-8, CR LF)", false, zwischenablagetext},
    {"rtf", "das Dokument für die Textverarbeitung (RTF)", false, ausgabe<rtfAusgabe>},
    {"pdf", "das Zeugnis als PDF (PDF/A-1b)", true, ausgabe<pdfAusgabe>},
    // The Word document numbers its pages when this program's own layout has more than one.
    {"docx", "das Zeugnis als Word-Dokument (DOCX)", true, ausgabe<docxAusgabe>},
}};

const Exportformat* exportformat(QStringView name) {
    for (const Exportformat& format : exportformate) {
        if (name.compare(QLatin1String(format.name.data(), qsizetype(format.name.size())),
                         Qt::CaseInsensitive) == 0) {
            return &format;
        }
    }
    return nullptr;
}

} // namespace velmora
