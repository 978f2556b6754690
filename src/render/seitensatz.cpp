#include "render/seitensatz.h"

#include "output/dokumenttext.h"

#include <QFont>
#include <QTextLayout>

#include <algorithm>
#include <deque>
#include <limits>

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

// One line of a paragraph, or a picture, as it goes onto a page.
struct Posten {
    double hoehe = 0;
    double x = 0;
    QTextLine zeile{};          // invalid for a picture
    const Bild* bild = nullptr; // the picture, if it is one
    std::size_t absatz = 0;     // the paragraph's number; a picture counts as one of its own
    int nummer = 0;             // the line's number in its paragraph
    int anzahl = 1;             // the paragraph's lines
    bool ungeteilt = false;     // the paragraph's lines stay on one page
    bool mitNaechstem = false;  // and on the page of the next paragraph
};

// No character of the document's font is narrower than this part of its size.
constexpr double schmalstesZeichen = 0.15;

// The most characters that stand together without a blank.
qsizetype laengsteWort(const QString& text) {
    qsizetype laengstes = 0;
    qsizetype wort = 0;
    for (const QChar zeichen : text) {
        wort = zeichen.isSpace() ? 0 : wort + 1;
        laengstes = std::max(laengstes, wort);
    }
    return laengstes;
}

// Each line where its text ends up and only where it may: never the last line of a paragraph
// alone at the head of a page, never its first alone at the foot, and never one that keeps
// with the next paragraph apart from it.
class Setzer {
public:
    explicit Setzer(const Seite& seite) : seite(seite) {
        satz.papier = QSizeF(seite.breite, seite.hoehe);
    }

    void absatzSetzen(const Absatz& absatz) {
        if (absatz.bild) {
            bildSetzen(*absatz.bild, absatz.ausrichtung);
        }
        QString text;
        QList<QTextLayout::FormatRange> formate;
        double kleinsteBreite = std::numeric_limits<double>::max(); // of a character's size
        const auto anhaengen = [&](std::string_view utf8, const Zeichenformat& format) {
            const qsizetype anfang = text.size();
            text += dokumenttext(utf8);
            if (text.size() > anfang) {
                kleinsteBreite = std::min(kleinsteBreite, format.halbpunkte * format.breite / 10.0);
                formate.append(
                    {int(anfang), int(text.size() - anfang), aufgeloest(format).zeichen});
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
        // Qt looks for a word's end from each line's start again, work that grows with the
        // square of a word longer than a line; such a paragraph breaks anywhere, at once.
        const bool ueberlang =
            laengsteWort(text) * schmalstesZeichen * kleinsteBreite > textbreite();
        zeilenSetzen(text, formate, absatz, ueberlang);
    }

    Seitensatz ergebnis() && {
        const std::vector<std::size_t> anfaenge = umbrechen();
        for (std::size_t s = 0; s < anfaenge.size(); ++s) {
            GesetzteSeite& gesetzt = satz.seiten.emplace_back();
            const std::size_t ende = s + 1 < anfaenge.size() ? anfaenge[s + 1] : posten.size();
            double y = seite.oben;
            for (std::size_t i = anfaenge[s]; i < ende; ++i) {
                postenZeichnen(posten[i], y, gesetzt);
                y += posten[i].hoehe;
            }
        }
        if (satz.seiten.empty()) {
            satz.seiten.emplace_back();
        }
        if (satz.seiten.size() > 1) {
            seitenzahlenSetzen();
        }
        return std::move(satz);
    }

private:
    double textbreite() const { return seite.breite - seite.links - seite.rechts; }

    // A format with its font and its character format.
    struct Aufgeloest {
        Zeichenformat format;
        QFont schrift;
        QTextCharFormat zeichen;
    };

    // A document has a handful of formats but many runs: each format's font is resolved once.
    Aufgeloest aufgeloest(const Zeichenformat& format) {
        for (const Aufgeloest& bekannt : zeichenformate) {
            if (bekannt.format == format) {
                return bekannt;
            }
        }
        Aufgeloest neu{format, schrift(format), {}};
        neu.zeichen.setFont(neu.schrift);
        zeichenformate.push_back(neu);
        return neu;
    }

    void bildSetzen(const Bild& bild, Ausrichtung ausrichtung) {
        const double frei = textbreite() - bild.breite;
        posten.push_back({.hoehe = double(bild.hoehe),
                          .x = seite.links + (ausrichtung == Ausrichtung::Zentriert ? frei / 2 : 0),
                          .bild = &bild,
                          .absatz = absaetze++});
    }

    void zeilenSetzen(const QString& text, const QList<QTextLayout::FormatRange>& formate,
                      const Absatz& absatz, bool ueberlang) {
        // The paragraph mark's font sets the height of an empty paragraph.
        QTextLayout& layout = layouts.emplace_back(text, aufgeloest(absatz.marke).schrift);
        // Shaped once: without the cache, the layout forgets its glyphs when it ends and shapes
        // the whole paragraph again when the lines are drawn.
        layout.setCacheEnabled(true);
        layout.setFormats(formate);
        QTextOption option(ausrichtung(absatz.ausrichtung));
        option.setWrapMode(ueberlang ? QTextOption::WrapAnywhere
                                     : QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setUseDesignMetrics(true);
        option.setTabStopDistance(tabulatorabstand);
        if (absatz.listenpunkt) {
            option.setTabs({QTextOption::Tab(listeneinzug, QTextOption::LeftTab)});
        }
        layout.setTextOption(option);

        const std::size_t erste = posten.size();
        layout.beginLayout();
        for (QTextLine zeile = layout.createLine(); zeile.isValid(); zeile = layout.createLine()) {
            // The bullet stands at the margin, every line of the item's text at the indent.
            const double einzug = absatz.listenpunkt && zeile.lineNumber() > 0 ? listeneinzug : 0;
            zeile.setLineWidth(textbreite() - einzug);
            // Single spacing as word processors set it: the font's line gap included.
            zeile.setLeadingIncluded(true);
            posten.push_back({.hoehe = zeile.height(),
                              .x = seite.links + einzug,
                              .zeile = zeile,
                              .absatz = absaetze,
                              .nummer = zeile.lineNumber(),
                              .ungeteilt = absatz.ungeteilt,
                              .mitNaechstem = absatz.mitNaechstem});
        }
        layout.endLayout();
        ++absaetze;
        for (std::size_t i = erste; i < posten.size(); ++i) {
            posten[i].anzahl = int(posten.size() - erste);
        }
    }

    // May a page begin with this item?
    bool trennbar(std::size_t i) const {
        const Posten& davor = posten[i - 1];
        const Posten& danach = posten[i];
        if (davor.absatz != danach.absatz) {
            return !davor.mitNaechstem;
        }
        return !danach.ungeteilt && danach.nummer >= 2 && danach.anzahl - danach.nummer >= 2;
    }

    // The first item of every page: an item that does not fit below the ones on its page starts
    // the next one, taking along those before it that must not be parted from it. What must
    // stay together but is higher than a page breaks where the page is full.
    std::vector<std::size_t> umbrechen() const {
        std::vector<std::size_t> anfaenge;
        if (posten.empty()) {
            return anfaenge;
        }
        anfaenge.push_back(0);
        const double unten = seite.hoehe - seite.unten;
        double y = seite.oben;
        for (std::size_t i = 0; i < posten.size(); ++i) {
            if (y + posten[i].hoehe > unten && i > anfaenge.back()) {
                std::size_t anfang = i;
                while (anfang > anfaenge.back() && !trennbar(anfang)) {
                    --anfang;
                }
                if (anfang == anfaenge.back()) {
                    anfang = i;
                }
                anfaenge.push_back(anfang);
                y = seite.oben;
                for (std::size_t j = anfang; j < i; ++j) {
                    y += posten[j].hoehe;
                }
            }
            y += posten[i].hoehe;
        }
        return anfaenge;
    }

    void postenZeichnen(Posten& p, double y, GesetzteSeite& auf) {
        if (p.bild) {
            auf.bilder.push_back({QRectF(p.x, y, p.bild->breite, p.hoehe), entpackt(*p.bild)});
            return;
        }
        p.zeile.setPosition(QPointF(p.x, y));
        for (QGlyphRun& lauf : p.zeile.glyphRuns()) {
            auf.glyphen.push_back(std::move(lauf));
        }
    }

    // "Seite N von M" centred in the bottom margin; the text's pages stay as they are.
    void seitenzahlenSetzen() {
        const QString anzahl = QString::number(satz.seiten.size());
        for (std::size_t i = 0; i < satz.seiten.size(); ++i) {
            QTextLayout layout(dokumenttext(seitenwort) + QString::number(i + 1) +
                                   dokumenttext(vonwort) + anzahl,
                               schrift(seitenzahlformat));
            QTextOption option(Qt::AlignHCenter);
            option.setUseDesignMetrics(true);
            layout.setTextOption(option);
            layout.beginLayout();
            QTextLine zeile = layout.createLine();
            zeile.setLineWidth(textbreite());
            zeile.setLeadingIncluded(true);
            zeile.setPosition(
                QPointF(seite.links, seite.hoehe - fusszeilenabstand - zeile.height()));
            layout.endLayout();
            for (QGlyphRun& lauf : zeile.glyphRuns()) {
                satz.seiten[i].glyphen.push_back(std::move(lauf));
            }
        }
    }

    const Seite& seite;
    Seitensatz satz;
    std::deque<QTextLayout> layouts; // the lines' own layouts, alive until they are drawn
    std::vector<Posten> posten;
    std::vector<Aufgeloest> zeichenformate;
    std::size_t absaetze = 0;
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
