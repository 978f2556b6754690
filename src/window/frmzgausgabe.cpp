// The file menu's outputs: the whole reference on screen, the check, the PDF and the Word
// document where the user saves them, the print and its preview.
#include "platform/plattform.h"
#include "render/dokumentablage.h"
#include "render/pdfausgabe.h"
#include "render/seitendruck.h"
#include "render/zeugnisausgabe.h"
#include "window/frmzg.h"
#include "window/zeugnisdateinamen.h"
#include "window/zeugnisvorschau.h"

#include <QAction>

namespace velmora {

// A document the user saves under a name of their choosing.
struct Dokumentart {
    const char* dialogtitel;
    const char* endung;
    const char* filter;
    QByteArray (*erzeugen)(const Zeugnisausgabe&);
    bool gesetzt; // laid out by the program in its own font, not by a word processor
};

namespace {

constexpr Dokumentart pdfDokument{"Als PDF speichern", "pdf", "PDF-Dokumente (*.pdf)", pdfAusgabe,
                                  true};
constexpr Dokumentart wordDokument{"Als Word-Dokument speichern", "docx", "Word-Dokumente (*.docx)",
                                   docxAusgabe, false};

} // namespace

void frmzg::ausgabemenueAufbauen() {
    struct Eintrag {
        const char* name;
        const char* text;
        QKeyCombination kuerzel;
        void (*aktion)(frmzg&);
    };
    const std::array<Eintrag, 6> eintraege = {{
        {"mnuVorschau", "Zeugnis&vorschau", Qt::Key_F5,
         [](frmzg& f) { f.zeugnisvorschauZeigen(); }},
        {"mnuPruefen", "Zeugnis &prüfen", {}, [](frmzg& f) { f.pruefungZeigen(); }},
        {"mnuPdf", "Als PD&F speichern…", {}, [](frmzg& f) { f.dokumentSpeichern(pdfDokument); }},
        {"mnuWord",
         "Als &Word-Dokument speichern…",
         {},
         [](frmzg& f) { f.dokumentSpeichern(wordDokument); }},
        {"mnuDrucken", "&Drucken…", Qt::CTRL | Qt::Key_P, [](frmzg& f) { f.drucken(); }},
        {"mnuDruckvorschau", "Druckvorsc&hau…", {}, [](frmzg& f) { f.druckvorschau(); }},
    }};
    for (const Eintrag& eintrag : eintraege) {
        connect(menueeintrag(Menueabschnitt::Ausgabe, eintrag.name, QString::fromUtf8(eintrag.text),
                             eintrag.kuerzel),
                &QAction::triggered, this, [this, aktion = eintrag.aktion] { aktion(*this); });
    }
}

void frmzg::zeugnisvorschauZeigen() {
    eingabeAbschliessen();
    if (!zeugnisvorschau) {
        zeugnisvorschau = new Zeugnisvorschau(this, [this] { return vorschauausgabe().modell; });
        connect(this, &frmzg::geaendert, zeugnisvorschau, &Zeugnisvorschau::nachziehen);
        connect(this, &frmzg::inhaltGesetzt, zeugnisvorschau, &Zeugnisvorschau::nachziehen);
    }
    zeugnisvorschau->dokumentZeigen(ausgabe().modell);
    zeugnisvorschau->show();
    zeugnisvorschau->raise();
    zeugnisvorschau->activateWindow();
}

void frmzg::dokumentSpeichern(const Dokumentart& art) {
    if (!ausgabeFreigeben(art.gesetzt)) {
        return;
    }
    const QString vorschlag = plattform.dokumentenordner() + QLatin1Char('/') +
                              vorgeschlagenerDokumentname(daten(), QLatin1String(art.endung));
    const std::optional<QString> pfad = plattform.dateiZumSpeichern(
        this, QString::fromUtf8(art.dialogtitel), vorschlag, QString::fromUtf8(art.filter));
    if (!pfad) {
        return;
    }
    if (const std::optional<QString> grund =
            unterPfadAblegen(plattform, *pfad, art.erzeugen(ausgabe()))) {
        plattform.meldung(this, QStringLiteral("Velmora"), *grund, Meldungssymbol::Kritisch);
        return;
    }
    dokumentZeigen(*pfad);
}

void frmzg::drucken() {
    if (!ausgabeFreigeben(true)) {
        return;
    }
    if (plattform.drucken(this, druckauftrag(ausgabe().modell)) == Druck::Fehler) {
        plattform.meldung(this, QStringLiteral("Velmora"),
                          QStringLiteral("Das Zeugnis konnte nicht gedruckt werden. Bitte prüfen "
                                         "Sie den Drucker und versuchen Sie es noch einmal."),
                          Meldungssymbol::Kritisch);
    }
}

void frmzg::druckvorschau() {
    eingabeAbschliessen();
    plattform.druckvorschau(this, druckauftrag(ausgabe().modell));
}

} // namespace velmora
