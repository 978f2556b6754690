#include "output/dokument.h"

#include "output/basisdokument.h"
#include "output/rtftext.h"

namespace velmora {

namespace {

std::string zeichenformat(Zeichenformat format, int arial) {
    std::string f = "\\uc1\\lang1031\\f" + std::to_string(arial);
    switch (format) {
    case Zeichenformat::Ueberschrift:
        return f + "\\fs28\\b\\i0\\charscalex150";
    case Zeichenformat::Normal:
        return f + "\\fs20\\b0\\i0\\charscalex100";
    case Zeichenformat::Fett:
        return f + "\\fs20\\b\\i0\\charscalex100";
    case Zeichenformat::Kursiv:
        return f + "\\fs20\\b0\\i\\charscalex100";
    }
    return f;
}

std::string_view absatzformat(Ausrichtung ausrichtung) {
    switch (ausrichtung) {
    case Ausrichtung::Zentriert:
        return "\\pard\\qc\\sb0\\sa0\r\n";
    case Ausrichtung::Blocksatz:
        return "\\pard\\qj\\sb0\\sa0\r\n";
    case Ausrichtung::Links:
        break;
    }
    return "\\pard\\ql\\sb0\\sa0\r\n";
}

// Each piece is a group of its own with its full character format, and so is each paragraph
// mark after it: an empty paragraph keeps the format of the piece it follows.
void stueckeSchreiben(const std::vector<Zeugnisstueck>& stuecke, int arial, std::string& rtf) {
    bool absatzOffen = false;
    for (const Zeugnisstueck& stueck : stuecke) {
        const std::string format = zeichenformat(stueck.zeichen, arial);
        if (!absatzOffen) {
            rtf += absatzformat(stueck.ausrichtung);
            absatzOffen = true;
        }
        if (!stueck.text.empty()) {
            rtf += '{';
            rtf += format;
            rtf += ' ';
            rtfTextAnhaengen(stueck.text, rtf);
            rtf += '}';
        }
        for (int i = 0; i < stueck.absatzmarken; ++i) {
            if (i > 0) {
                rtf += absatzformat(stueck.ausrichtung);
            }
            rtf += '{' + format + "\\par}\r\n";
        }
        if (stueck.absatzmarken > 0) {
            absatzOffen = false;
        }
    }
}

} // namespace

Zeugnisdokument zeugnisdokument(const Zeugnisdaten& daten,
                                const AngezeigteVorschautexte& vorschautexte,
                                std::optional<std::string_view> basis) {
    std::optional<Basisdokument> zerlegt = basis ? basisdokumentZerlegen(*basis) : std::nullopt;
    Zeugnisdokument dokument;
    dokument.basisVerwendet = zerlegt.has_value();
    if (!zerlegt) {
        zerlegt = basisdokumentZerlegen(eingebautesBasisdokument);
    }
    const std::vector<Zeugnisstueck> stuecke = zeugnisaufbau(daten, vorschautexte);

    std::string& rtf = dokument.rtf;
    rtf.reserve(zerlegt->kopf.size() + zerlegt->rumpf.size() + 8192);
    rtf += zerlegt->kopf;
    rtf += "\\viewkind1\r\n";
    stueckeSchreiben(stuecke, zerlegt->arial, rtf);
    // The reference ends without a paragraph mark; a base with a body of its own starts that
    // body in a paragraph of its own, so the employer's paragraph keeps its alignment.
    if (zerlegt->rumpfHatInhalt) {
        rtf += '{' + zeichenformat(stuecke.back().zeichen, zerlegt->arial) + "\\par}\r\n";
    }
    rtf += zerlegt->rumpf;
    return dokument;
}

} // namespace velmora
