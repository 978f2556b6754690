#include "output/dokument.h"

#include "output/rtftext.h"

namespace velmora {

namespace {

std::string zeichenformat(const Zeichenformat& format, int arial) {
    std::string f = "\\uc1\\lang1031\\f" + std::to_string(arial);
    f += "\\fs" + std::to_string(format.halbpunkte);
    f += format.fett ? "\\b" : "\\b0";
    f += format.kursiv ? "\\i" : "\\i0";
    f += "\\charscalex" + std::to_string(format.breite);
    return f;
}

constexpr std::string_view ausrichtungswort(Ausrichtung ausrichtung) {
    switch (ausrichtung) {
    case Ausrichtung::Zentriert:
        return "\\qc";
    case Ausrichtung::Blocksatz:
        return "\\qj";
    case Ausrichtung::Links:
        break;
    }
    return "\\ql";
}

void bildSchreiben(const Bild& bild, std::string& rtf) {
    rtf += bild.format == Bildformat::Png ? "{\\pict\\pngblip" : "{\\pict\\jpegblip";
    rtf += "\\picwgoal" + std::to_string(bild.breite) + "\\pichgoal" + std::to_string(bild.hoehe);
    for (std::size_t i = 0; i < bild.daten.size(); ++i) {
        if (i % 64 == 0) {
            rtf += "\r\n";
        }
        rtfHexAnhaengen(static_cast<unsigned char>(bild.daten[i]), rtf);
    }
    rtf += '}';
}

void laufSchreiben(std::string_view text, const Zeichenformat& format, int arial,
                   std::string& rtf) {
    rtf += '{';
    rtf += zeichenformat(format, arial);
    rtf += ' ';
    rtfTextAnhaengen(text, rtf);
    rtf += '}';
}

// Each run is a group of its own with its full character format, and so is each paragraph
// mark: an empty paragraph keeps the format of the piece it follows.
void absatzSchreiben(const Absatz& absatz, int arial, bool mitMarke, std::string& rtf) {
    rtf += "\\pard";
    rtf += ausrichtungswort(absatz.ausrichtung);
    rtf += "\\sb0\\sa0";
    // A list item hangs its bullet a quarter inch to the left of its text. The bullet is
    // text, so that every reader sets it as large as the item.
    if (absatz.listenpunkt) {
        rtf += "\\fi-" + std::to_string(listeneinzug) + "\\li" + std::to_string(listeneinzug);
    }
    rtf += "\r\n";
    if (absatz.bild) {
        bildSchreiben(*absatz.bild, rtf);
    }
    if (absatz.listenpunkt) {
        laufSchreiben(std::string(aufzaehlungszeichen) + '\t', absatz.marke, arial, rtf);
    }
    for (const Lauf& lauf : absatz.laeufe) {
        if (!lauf.text.empty()) {
            laufSchreiben(lauf.text, lauf.format, arial, rtf);
        }
    }
    if (mitMarke) {
        rtf += '{' + zeichenformat(absatz.marke, arial) + "\\par}\r\n";
    }
}

} // namespace

std::string rtfDokument(const Dokumentmodell& modell, const Basisdokument& basis) {
    std::string rtf;
    rtf.reserve(basis.kopf.size() + basis.rumpf.size() + 8192);
    rtf += basis.kopf;
    rtf += "\\viewkind1\r\n";
    for (const Absatz& absatz : briefkopfAbsaetze(modell)) {
        absatzSchreiben(absatz, basis.arial, true, rtf);
    }
    // The reference ends without a paragraph mark; a base with a body of its own starts that
    // body in a paragraph of its own, so the last paragraph keeps its alignment.
    for (std::size_t i = 0; i < modell.absaetze.size(); ++i) {
        const bool letzter = i + 1 == modell.absaetze.size();
        absatzSchreiben(modell.absaetze[i], basis.arial, !letzter || basis.rumpfHatInhalt, rtf);
    }
    rtf += basis.rumpf;
    return rtf;
}

} // namespace velmora
