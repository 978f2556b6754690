#include "render/pdfschreiber.h"

#include "render/schriftauszug.h"
#include "render/seitendruck.h"
#include "render/seitensatz.h"

#include <QColorSpace>
#include <QCryptographicHash>
#include <QPainter>

#include <cmath>
#include <deque>
#include <map>
#include <optional>
#include <vector>
#include <zlib.h>

namespace velmora {

namespace {

constexpr double twipsProPunkt = 20;

// A number as short as PDF writes it: three places at most, no exponent.
QByteArray zahl(double wert) {
    QByteArray text = QByteArray::number(wert, 'f', 3);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) {
        text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray verweis(int nummer) {
    return QByteArray::number(nummer) + " 0 R";
}

QByteArray hex4(quint32 wert) {
    return QByteArray::number(wert, 16).rightJustified(4, '0').toUpper();
}

// Streams packed as /FlateDecode reads them, by one packer for the whole file: setting up a zlib
// stream allocates and clears its buffers each time, which costs more than packing a small stream.
class Packer {
public:
    Packer() : bereit(deflateInit(&strom, Z_DEFAULT_COMPRESSION) == Z_OK) {}
    ~Packer() {
        if (bereit) {
            deflateEnd(&strom);
        }
    }
    Packer(const Packer&) = delete;
    Packer& operator=(const Packer&) = delete;

    // Nothing when zlib fails: the stream is then written as it is.
    std::optional<QByteArray> packen(const QByteArray& daten) {
        if (!bereit || deflateReset(&strom) != Z_OK) {
            return std::nullopt;
        }
        QByteArray gepackt(qsizetype(deflateBound(&strom, uLong(daten.size()))), '\0');
        strom.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(daten.constData()));
        strom.avail_in = uInt(daten.size());
        strom.next_out = reinterpret_cast<Bytef*>(gepackt.data());
        strom.avail_out = uInt(gepackt.size());
        if (deflate(&strom, Z_FINISH) != Z_STREAM_END) {
            return std::nullopt;
        }
        gepackt.truncate(qsizetype(strom.total_out));
        return gepackt;
    }

private:
    z_stream strom{};
    bool bereit;
};

// A PDF name of letters, digits and hyphens only.
QByteArray pdfname(const QString& text) {
    QByteArray name;
    for (const QChar zeichen : text) {
        if (zeichen.isLetterOrNumber() && zeichen.unicode() < 0x80) {
            name += char(zeichen.unicode());
        }
    }
    return name.isEmpty() ? QByteArray("Schrift") : name;
}

// The objects of the file in the order they are written, and where each begins.
class Pdfdatei {
public:
    int reservieren() {
        stellen.push_back(-1);
        return int(stellen.size());
    }

    void objekt(int nummer, const QByteArray& inhalt) {
        stellen[std::size_t(nummer) - 1] = daten.size();
        daten += QByteArray::number(nummer) + " 0 obj\n" + inhalt + "\nendobj\n";
    }

    void strom(int nummer, const QByteArray& woerterbuch, const QByteArray& inhalt,
               bool packen = true) {
        const std::optional<QByteArray> gepackt =
            packen ? packer.packen(inhalt) : std::optional<QByteArray>();
        const QByteArray& roh = gepackt ? *gepackt : inhalt;
        objekt(nummer, "<<" + woerterbuch + (gepackt ? "/Filter/FlateDecode" : "") + "/Length " +
                           QByteArray::number(roh.size()) + ">>\nstream\n" + roh + "\nendstream");
    }

    QByteArray abschliessen(int katalog, int info) && {
        const qsizetype verzeichnis = daten.size();
        daten += "xref\n0 " + QByteArray::number(stellen.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype stelle : stellen) {
            daten += verzeichniszeile(stelle);
        }
        const QByteArray kennung =
            QCryptographicHash::hash(daten, QCryptographicHash::Md5).toHex().toUpper();
        daten += "trailer\n<</Size " + QByteArray::number(stellen.size() + 1) + "/Root " +
                 verweis(katalog) + "/Info " + verweis(info) + "/ID[<" + kennung + "><" + kennung +
                 ">]>>\nstartxref\n" + QByteArray::number(verzeichnis) + "\n%%EOF\n";
        return std::move(daten);
    }

private:
    // A comment of bytes above 127 says at once that the file is binary.
    QByteArray daten = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<qsizetype> stellen;
    Packer packer;
};

// One face, as many sizes as the pages use of it.
struct Schrift {
    QString schluessel;   // family and style
    QByteArray grundname; // of the embedded program, without the subset's mark
    std::shared_ptr<const Schriftprogramm> programm;
    QByteArray name; // in the pages' resources
    std::set<quint32> glyphen;
};

class Seitenschreiber {
public:
    Seitenschreiber(const Seitensatz& satz, const Pdfmetadaten& daten)
        : satz(satz), daten(daten), papier(papierformat(satz.papier).sizePoints()) {}

    std::optional<QByteArray> schreiben() && {
        // A face that cannot be embedded leaves the whole file to Qt's writer: found before
        // anything is packed.
        for (const GesetzteSeite& seite : satz.seiten) {
            for (const QGlyphRun& lauf : seite.glyphen) {
                if (!schriftZu(lauf.rawFont())) {
                    return std::nullopt;
                }
            }
        }
        const int katalog = datei.reservieren();
        const int seitenbaum = datei.reservieren();
        const int info = datei.reservieren();
        const int metadaten = datei.reservieren();
        const int farbprofil = datei.reservieren();
        ressourcen = datei.reservieren();
        std::vector<int> seiten;
        for (const GesetzteSeite& seite : satz.seiten) {
            const QByteArray inhalt = seiteninhalt(seite);
            const int strom = datei.reservieren();
            datei.strom(strom, {}, inhalt);
            seiten.push_back(datei.reservieren());
            datei.objekt(seiten.back(),
                         "<</Type/Page/Parent " + verweis(seitenbaum) + "/MediaBox[0 0 " +
                             zahl(papier.width()) + ' ' + zahl(papier.height()) + "]/Resources " +
                             verweis(ressourcen) + "/Contents " + verweis(strom) + ">>");
        }
        QByteArray kinder;
        for (const int seite : seiten) {
            kinder += verweis(seite) + ' ';
        }
        datei.objekt(seitenbaum, "<</Type/Pages/Kids[" + kinder.trimmed() + "]/Count " +
                                     QByteArray::number(seiten.size()) + ">>");
        ressourcenSchreiben();
        datei.objekt(info, infoWoerterbuch(daten));
        datei.strom(metadaten, "/Type/Metadata/Subtype/XML", xmpPaket(daten), false);
        datei.strom(farbprofil, "/N 3", QColorSpace(QColorSpace::SRgb).iccProfile());
        datei.objekt(katalog, "<</Type/Catalog/Pages " + verweis(seitenbaum) + "/Metadata " +
                                  verweis(metadaten) +
                                  "/OutputIntents[<</Type/OutputIntent/S/GTS_PDFA1"
                                  "/OutputConditionIdentifier(sRGB IEC61966-2.1)"
                                  "/Info(sRGB IEC61966-2.1)/DestOutputProfile " +
                                  verweis(farbprofil) + ">>]>>");
        return std::move(datei).abschliessen(katalog, info);
    }

private:
    double x(double twips) const { return twips / twipsProPunkt; }
    double y(double twips) const { return papier.height() - twips / twipsProPunkt; }

    QByteArray seiteninhalt(const GesetzteSeite& seite) {
        QByteArray inhalt;
        for (const GesetzteSeite::Bildstelle& stelle : seite.bilder) {
            if (stelle.bild.isNull()) {
                continue;
            }
            const QRectF& ort = stelle.ort;
            inhalt += "q " + zahl(x(ort.width())) + " 0 0 " + zahl(x(ort.height())) + ' ' +
                      zahl(x(ort.left())) + ' ' + zahl(y(ort.bottom())) + " cm /" +
                      bildSchreiben(stelle.bild) + " Do Q\n";
        }
        inhalt += "0 g\n";
        breiteGesetzt = 100; // the width of characters is the page's, past ET
        for (const QGlyphRun& lauf : seite.glyphen) {
            laufSchreiben(lauf, *schriftZu(lauf.rawFont()), inhalt);
        }
        return inhalt;
    }

    // A run of glyphs on one baseline: where a glyph stands apart from where the face's own
    // advance would put it (a justified line's blanks), the distance is said in between.
    void laufSchreiben(const QGlyphRun& lauf, Schrift& schrift, QByteArray& inhalt) {
        const QList<quint32> glyphen = lauf.glyphIndexes();
        const QList<QPointF> orte = lauf.positions();
        const double groesse = lauf.rawFont().pixelSize(); // in twips
        if (glyphen.isEmpty() || orte.size() != glyphen.size() || groesse <= 0) {
            return;
        }
        const double proEinheit = groesse / schrift.programm->einheitenProGeviert();
        const int breite = zeichenbreite(lauf, schrift, proEinheit);
        const double dehnung = breite / 100.0;
        inhalt += "BT\n/" + schrift.name + ' ' + zahl(x(groesse)) + " Tf\n";
        if (breite != breiteGesetzt) {
            inhalt += QByteArray::number(breite) + " Tz\n";
            breiteGesetzt = breite;
        }
        for (qsizetype i = 0; i < glyphen.size(); ++i) {
            schrift.glyphen.insert(glyphen[i]);
            if (i == 0 || orte[i].y() != orte[i - 1].y()) {
                inhalt += (i == 0 ? "" : "] TJ\n") + QByteArray("1 0 0 1 ") + zahl(x(orte[i].x())) +
                          ' ' + zahl(y(orte[i].y())) + " Tm\n[";
            } else {
                const double erwartet = orte[i - 1].x() + schrift.programm->breite(glyphen[i - 1]) *
                                                              proEinheit * dehnung;
                const double abstand = (erwartet - orte[i].x()) * 1000 / (groesse * dehnung);
                if (std::abs(abstand) >= 0.001) {
                    inhalt += zahl(abstand);
                }
            }
            inhalt += '<' + hex4(glyphen[i]) + '>';
        }
        inhalt += "] TJ\nET\n";
    }

    // The width the run's characters are set in, in percent of their own: the heading's are
    // wider. Read from how far the first glyph with a width advances.
    static int zeichenbreite(const QGlyphRun& lauf, const Schrift& schrift, double proEinheit) {
        for (const quint32 glyph : lauf.glyphIndexes()) {
            if (const int eigen = schrift.programm->breite(glyph); eigen > 0) {
                const double vorschub = lauf.rawFont().advancesForGlyphIndexes({glyph})[0].x();
                const int prozent = int(std::lround(100 * vorschub / (eigen * proEinheit)));
                return prozent > 0 ? prozent : 100;
            }
        }
        return 100;
    }

    Schrift* schriftZu(const QRawFont& roh) {
        const QString schluessel = roh.familyName() + QLatin1Char('\n') + roh.styleName();
        for (Schrift& schrift : schriften) {
            if (schrift.schluessel == schluessel) {
                return &schrift;
            }
        }
        Schrift neu{schluessel,
                    pdfname(roh.familyName()) + '-' + pdfname(roh.styleName()),
                    Schriftprogramm::von(roh),
                    "F" + QByteArray::number(schriften.size() + 1),
                    {}};
        if (!neu.programm->eingebettbar()) {
            return nullptr;
        }
        return &schriften.emplace_back(std::move(neu));
    }

    // A picture on white: PDF/A knows no transparency.
    QByteArray bildSchreiben(const QImage& bild) {
        QImage weiss(bild.size(), QImage::Format_RGB888);
        weiss.fill(Qt::white);
        QPainter(&weiss).drawImage(0, 0, bild);
        QByteArray punkte;
        punkte.reserve(qsizetype(weiss.width()) * weiss.height() * 3);
        for (int zeile = 0; zeile < weiss.height(); ++zeile) {
            punkte.append(reinterpret_cast<const char*>(weiss.constScanLine(zeile)),
                          qsizetype(weiss.width()) * 3);
        }
        const int nummer = datei.reservieren();
        datei.strom(nummer,
                    "/Type/XObject/Subtype/Image/Width " + QByteArray::number(weiss.width()) +
                        "/Height " + QByteArray::number(weiss.height()) +
                        "/ColorSpace/DeviceRGB/BitsPerComponent 8",
                    punkte);
        bilder.emplace_back("B" + QByteArray::number(bilder.size() + 1), nummer);
        return bilder.back().first;
    }

    void ressourcenSchreiben() {
        QByteArray schriftenVerweise;
        for (Schrift& schrift : schriften) {
            schriftenVerweise += '/' + schrift.name + ' ' + verweis(schriftSchreiben(schrift));
        }
        QByteArray bilderVerweise;
        for (const auto& [name, nummer] : bilder) {
            bilderVerweise += '/' + name + ' ' + verweis(nummer);
        }
        datei.objekt(ressourcen, "<</ProcSet[/PDF/Text/ImageC]/Font<<" + schriftenVerweise +
                                     ">>/XObject<<" + bilderVerweise + ">>>>");
    }

    int schriftSchreiben(Schrift& schrift) {
        const Schriftprogramm& programm = *schrift.programm;
        const QByteArray auszug = programm.auszug(schrift.glyphen);
        const double tausendstel = 1000.0 / programm.einheitenProGeviert();
        // A subset's name begins with six capitals of its own.
        QByteArray marke;
        for (quint32 rest = quint32(qHash(auszug)); marke.size() < 6; rest /= 26) {
            marke += char('A' + rest % 26);
        }
        const QByteArray name = marke + '+' + schrift.grundname;

        const int programmNr = datei.reservieren();
        datei.strom(programmNr, "/Length1 " + QByteArray::number(auszug.size()), auszug);
        QByteArray vorhanden((*schrift.glyphen.rbegin() + 8) / 8, '\0');
        QByteArray breiten;
        for (const quint32 glyph : schrift.glyphen) {
            vorhanden[glyph / 8] = char(vorhanden[glyph / 8] | (0x80 >> (glyph % 8)));
            breiten +=
                QByteArray::number(glyph) + '[' + zahl(programm.breite(glyph) * tausendstel) + ']';
        }
        const int glyphsatz = datei.reservieren();
        datei.strom(glyphsatz, {}, vorhanden);

        const Schriftmasse& mass = programm.masse();
        const auto tausend = [&](int einheiten) { return zahl(einheiten * tausendstel); };
        const bool schraeg = mass.neigung != 0;
        const int beschreibung = datei.reservieren();
        datei.objekt(beschreibung,
                     "<</Type/FontDescriptor/FontName/" + name + "/Flags " +
                         QByteArray::number(schraeg ? 4 | 64 : 4) + "/FontBBox[" +
                         tausend(mass.links) + ' ' + tausend(mass.unten) + ' ' +
                         tausend(mass.rechts) + ' ' + tausend(mass.oben) + "]/ItalicAngle " +
                         zahl(mass.neigung) + "/Ascent " + tausend(mass.aufstieg) + "/Descent " +
                         tausend(mass.abstieg) + "/CapHeight " + tausend(mass.versalhoehe) +
                         "/StemV 80/CIDSet " + verweis(glyphsatz) + "/FontFile2 " +
                         verweis(programmNr) + ">>");
        const int cidSchrift = datei.reservieren();
        datei.objekt(cidSchrift, "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name +
                                     "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)"
                                     "/Supplement 0>>/FontDescriptor " +
                                     verweis(beschreibung) + "/CIDToGIDMap/Identity/W[" + breiten +
                                     "]>>");
        const int unicode = datei.reservieren();
        datei.strom(unicode, {}, unicodeZuordnung(programm.zeichen(schrift.glyphen)));
        const int nummer = datei.reservieren();
        datei.objekt(nummer, "<</Type/Font/Subtype/Type0/BaseFont/" + name +
                                 "/Encoding/Identity-H/DescendantFonts[" + verweis(cidSchrift) +
                                 "]/ToUnicode " + verweis(unicode) + ">>");
        return nummer;
    }

    // Which character each glyph stands for, so that a reader can copy and search the text.
    static QByteArray unicodeZuordnung(const std::map<quint32, char32_t>& zeichen) {
        QByteArray cmap = "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                          "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                          "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                          "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
        auto eintrag = zeichen.begin();
        while (eintrag != zeichen.end()) {
            // At most a hundred to a block.
            QByteArray block;
            int anzahl = 0;
            for (; eintrag != zeichen.end() && anzahl < 100; ++eintrag, ++anzahl) {
                block += '<' + hex4(eintrag->first) + "><" +
                         utf16hex(QString::fromUcs4(&eintrag->second, 1)) + ">\n";
            }
            cmap += QByteArray::number(anzahl) + " beginbfchar\n" + block + "endbfchar\n";
        }
        return cmap + "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    }

    const Seitensatz& satz;
    const Pdfmetadaten& daten;
    const QSizeF papier; // in points
    Pdfdatei datei;
    int ressourcen = 0;
    int breiteGesetzt = 100; // in percent, where the page's content stands
    std::deque<Schrift> schriften;
    std::vector<std::pair<QByteArray, int>> bilder; // name, object
};

} // namespace

std::optional<QByteArray> pdfSchreiben(const Seitensatz& satz, const Pdfmetadaten& daten) {
    return Seitenschreiber(satz, daten).schreiben();
}

} // namespace velmora
