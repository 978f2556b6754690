#include "render/seitensatz.h"

#include "output/dokumenttext.h"

#include <QFont>
#include <QTextLayout>

namespace velmora {

namespace {

// Laid out in twips: a font's pixel is a twip, so a point is 20 of them. Unhinted, with the
// outline's own widths, the lines break alike at every resolution they are drawn at.
QFont schrift(const Zeichenformat& format) {
    QFont schrift(QString::fromUtf8(dokumentschrift));
    schrift.setPixelSize(format.halbpunkte * 10);
    schrift.setBold(format.fett);
    schrift.setItalic(format.kursiv);
    if (format.breite != 100) {
        schrift.setStretch(format.breite);
    }
    schrift.setKerning(false);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    return schrift;
}

Qt::Alignment ausrichtung(Ausrichtung ausrichtung) {
    switch (ausrichtung) {
    case Ausrichtung::Zentriert:
        return Qt::AlignHCenter;
    case Ausrichtung::Blocksatz:
        return Qt::AlignJustify;
    case Ausrichtung::Links:
        break;
    }
    return Qt::AlignLeft;
}

QImage entpackt(const Bild& bild) {
    const QImage* fertig = std::any_cast<QImage>(&bild.entpackt);
    return fertig ? *fertig : bildEntpacken(bild);
}

class Setzer {
public:
    explicit Setzer(const Seite& seite) : seite(seite) {
        satz.papier = QSizeF(seite.breite, seite.hoehe);
        neueSeite();
    }

    void absatzSetzen(const Absatz& absatz) {
        if (absatz.bild) {
            bildSetzen(*absatz.bild, absatz.ausrichtung);
        }
        QString text;
        QList<QTextLayout::FormatRange> formate;
        const auto anhaengen = [&](std::string_view utf8, const Zeichenformat& format) {
            const qsizetype anfang = text.size();
            text += dokumenttext(utf8);
            if (text.size() > anfang) {
                QTextCharFormat zeichen;
                zeichen.setFont(schrift(format));
                formate.append({int(anfang), int(text.size() - anfang), zeichen});
            }
        };
        if (absatz.listenpunkt) {
            anhaengen(std::string(aufzaehlungszeichen) + '\t', absatz.marke);
        }
        for (const Lauf& lauf : absatz.laeufe) {
            anhaengen(lauf.text, lauf.format);
        }
        // A picture stands on its own lines; its paragraph mark adds no empty line below it.
        if (absatz.bild && text.isEmpty()) {
            return;
        }
        zeilenSetzen(text, formate, absatz);
    }

    Seitensatz ergebnis() && { return std::move(satz); }

private:
    double textbreite() const { return seite.breite - seite.links - seite.rechts; }

    void neueSeite() {
        satz.seiten.emplace_back();
        y = seite.oben;
    }

    // A line that does not fit below the ones on the page starts the next page.
    void platzSchaffen(double hoehe) {
        if (y + hoehe > seite.hoehe - seite.unten && y > seite.oben) {
            neueSeite();
        }
    }

    void bildSetzen(const Bild& bild, Ausrichtung ausrichtung) {
        platzSchaffen(bild.hoehe);
        const double frei = textbreite() - bild.breite;
        const double x = seite.links + (ausrichtung == Ausrichtung::Zentriert ? frei / 2 : 0);
        satz.seiten.back().bilder.push_back(
            {QRectF(x, y, bild.breite, bild.hoehe), entpackt(bild)});
        y += bild.hoehe;
    }

    void zeilenSetzen(const QString& text, const QList<QTextLayout::FormatRange>& formate,
                      const Absatz& absatz) {
        // The paragraph mark's font sets the height of an empty paragraph.
        QTextLayout layout(text, schrift(absatz.marke));
        layout.setFormats(formate);
        QTextOption option(ausrichtung(absatz.ausrichtung));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setUseDesignMetrics(true);
        option.setTabStopDistance(tabulatorabstand);
        if (absatz.listenpunkt) {
            option.setTabs({QTextOption::Tab(listeneinzug, QTextOption::LeftTab)});
        }
        layout.setTextOption(option);

        std::vector<std::size_t> seiteDerZeile;
        layout.beginLayout();
        for (QTextLine zeile = layout.createLine(); zeile.isValid(); zeile = layout.createLine()) {
            // The bullet stands at the margin, every line of the item's text at the indent.
            const double einzug = absatz.listenpunkt && zeile.lineNumber() > 0 ? listeneinzug : 0;
            zeile.setLineWidth(textbreite() - einzug);
            // Single spacing as word processors set it: the font's line gap included.
            zeile.setLeadingIncluded(true);
            platzSchaffen(zeile.height());
            zeile.setPosition(QPointF(seite.links + einzug, y));
            y += zeile.height();
            seiteDerZeile.push_back(satz.seiten.size() - 1);
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            for (QGlyphRun& lauf : layout.lineAt(i).glyphRuns()) {
                satz.seiten[seiteDerZeile[i]].glyphen.push_back(std::move(lauf));
            }
        }
    }

    const Seite& seite;
    Seitensatz satz;
    double y = 0;
};

} // namespace

QString dokumenttext(std::string_view utf8) {
    QString text;
    text.reserve(qsizetype(utf8.size()));
    dokumentzeichen(utf8, [&](char32_t zeichen) { text += QChar::fromUcs4(zeichen); });
    return text;
}

QImage bildEntpacken(const Bild& bild) {
    return QImage::fromData(reinterpret_cast<const uchar*>(bild.daten.data()),
                            int(bild.daten.size()),
                            bild.format == Bildformat::Png ? "PNG" : "JPEG");
}

Seitensatz seitensatz(const Dokumentmodell& modell) {
    Setzer setzer(modell.seite);
    for (const Absatz& absatz : briefkopfAbsaetze(modell)) {
        setzer.absatzSetzen(absatz);
    }
    for (const Absatz& absatz : modell.absaetze) {
        setzer.absatzSetzen(absatz);
    }
    return std::move(setzer).ergebnis();
}

} // namespace velmora
