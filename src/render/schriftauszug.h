#pragma once

#include <QByteArray>
#include <QRawFont>

#include <map>
#include <memory>
#include <set>

namespace velmora {

// What a PDF says of a face beside its program, in its design units.
struct Schriftmasse {
    int links = 0, unten = 0, rechts = 0, oben = 0; // the box every glyph fits in
    int aufstieg = 0;
    int abstieg = 0; // below the baseline, negative
    int versalhoehe = 0;
    double neigung = 0; // degrees, negative leaning right
};

// A face's TrueType tables, read once, for the PDF that embeds it.
class Schriftprogramm {
public:
    explicit Schriftprogramm(const QRawFont& schrift);
    // The face's tables as read at its first use: its file does not change while the program
    // runs, and reading it costs more than the rest of a PDF.
    static std::shared_ptr<const Schriftprogramm> von(const QRawFont& schrift);

    // Whether the face has TrueType outlines the PDF can embed.
    bool eingebettbar() const { return !glyf.isEmpty() && anzahl > 0; }
    int einheitenProGeviert() const { return einheiten; }
    const Schriftmasse& masse() const { return mass; }
    // A glyph's advance in design units, as the face's table of widths gives it.
    int breite(quint32 glyph) const;

    // The font program with the outlines of the glyphs not named left empty. Glyph numbers
    // stay as they are, so a page names its glyphs by the face's own numbers; the glyphs that
    // others are built of come along and join `glyphen`, as does glyph 0.
    QByteArray auszug(std::set<quint32>& glyphen) const;
    // The character each of `glyphen` stands for, by the face's character map: the lowest
    // where several share a glyph, none for a glyph no character maps to.
    std::map<quint32, char32_t> zeichen(const std::set<quint32>& glyphen) const;

private:
    quint32 glyphAnfang(quint32 glyph) const;

    QByteArray head, hhea, hmtx, maxp, loca, glyf, cmap, os2, post, name, cvt, fpgm, prep;
    int einheiten = 1000;
    Schriftmasse mass;
    int anzahl = 0;  // glyphs in the face
    int breiten = 0; // entries of the table of widths
    bool langeVerweise = false;
};

} // namespace velmora
