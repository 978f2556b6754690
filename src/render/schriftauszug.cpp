#include "render/schriftauszug.h"

#include <QMutex>
#include <QtEndian>

#include <array>
#include <vector>

namespace velmora {

namespace {

quint16 wort(const QByteArray& tabelle, qsizetype stelle) {
    return stelle + 2 <= tabelle.size() ? qFromBigEndian<quint16>(tabelle.constData() + stelle) : 0;
}

quint32 doppelwort(const QByteArray& tabelle, qsizetype stelle) {
    return stelle + 4 <= tabelle.size() ? qFromBigEndian<quint32>(tabelle.constData() + stelle) : 0;
}

void anhaengen16(QByteArray& daten, quint16 wert) {
    daten += char(wert >> 8);
    daten += char(wert & 0xFF);
}

void anhaengen32(QByteArray& daten, quint32 wert) {
    anhaengen16(daten, quint16(wert >> 16));
    anhaengen16(daten, quint16(wert & 0xFFFF));
}

quint32 pruefsumme(const QByteArray& daten) {
    quint32 summe = 0;
    for (qsizetype i = 0; i < daten.size(); i += 4) {
        quint32 wert = 0;
        for (qsizetype j = 0; j < 4; ++j) {
            wert = (wert << 8) | (i + j < daten.size() ? quint8(daten[i + j]) : 0);
        }
        summe += wert;
    }
    return summe;
}

// The glyphs a composite glyph is built of.
std::vector<quint32> bestandteile(const QByteArray& glyph) {
    std::vector<quint32> teile;
    if (glyph.size() < 10 || qint16(wort(glyph, 0)) >= 0) {
        return teile;
    }
    constexpr quint16 woerter = 0x1, skala = 0x8, weitere = 0x20, xyskala = 0x40, matrix = 0x80;
    qsizetype stelle = 10;
    for (quint16 merkmale = weitere; (merkmale & weitere) && stelle + 4 <= glyph.size();) {
        merkmale = wort(glyph, stelle);
        teile.push_back(wort(glyph, stelle + 2));
        stelle += 4 + ((merkmale & woerter) ? 4 : 2);
        stelle += (merkmale & skala) ? 2 : (merkmale & xyskala) ? 4 : (merkmale & matrix) ? 8 : 0;
    }
    return teile;
}

} // namespace

Schriftprogramm::Schriftprogramm(const QRawFont& schrift)
    : head(schrift.fontTable("head")), hhea(schrift.fontTable("hhea")),
      hmtx(schrift.fontTable("hmtx")), maxp(schrift.fontTable("maxp")),
      loca(schrift.fontTable("loca")), glyf(schrift.fontTable("glyf")),
      cmap(schrift.fontTable("cmap")), os2(schrift.fontTable("OS/2")),
      post(schrift.fontTable("post")), name(schrift.fontTable("name")),
      cvt(schrift.fontTable("cvt ")), fpgm(schrift.fontTable("fpgm")),
      prep(schrift.fontTable("prep")) {
    einheiten = head.size() >= 54 ? std::max<int>(16, wort(head, 18)) : 1000;
    langeVerweise = qint16(wort(head, 50)) == 1;
    anzahl = wort(maxp, 4);
    breiten = wort(hhea, 34);
    mass = {qint16(wort(head, 36)),
            qint16(wort(head, 38)),
            qint16(wort(head, 40)),
            qint16(wort(head, 42)),
            qint16(wort(hhea, 4)),
            qint16(wort(hhea, 6)),
            wort(os2, 0) >= 2 ? qint16(wort(os2, 88)) : qint16(wort(hhea, 4)),
            qint32(doppelwort(post, 4)) / 65536.0};
    // A table of glyph places too short for the glyphs it should place is not trusted.
    if (head.size() < 54 || loca.size() < (anzahl + 1) * (langeVerweise ? 4 : 2) || breiten < 1) {
        glyf.clear();
    }
}

std::shared_ptr<const Schriftprogramm> Schriftprogramm::von(const QRawFont& schrift) {
    static QMutex schutz;
    static std::map<QString, std::shared_ptr<const Schriftprogramm>> gelesen;
    // A face by its names and its header, which holds the file's check sum and dates.
    const QString schluessel = schrift.familyName() + QLatin1Char('\n') + schrift.styleName() +
                               QLatin1Char('\n') +
                               QString::fromLatin1(schrift.fontTable("head").toHex());
    const QMutexLocker gesperrt(&schutz);
    std::shared_ptr<const Schriftprogramm>& programm = gelesen[schluessel];
    if (!programm) {
        programm = std::make_shared<const Schriftprogramm>(schrift);
    }
    return programm;
}

int Schriftprogramm::breite(quint32 glyph) const {
    // Glyphs past the last entry share its advance.
    const quint32 eintrag = std::min<quint32>(glyph, quint32(std::max(breiten, 1) - 1));
    return wort(hmtx, qsizetype(eintrag) * 4);
}

quint32 Schriftprogramm::glyphAnfang(quint32 glyph) const {
    return langeVerweise ? doppelwort(loca, qsizetype(glyph) * 4)
                         : quint32(wort(loca, qsizetype(glyph) * 2)) * 2;
}

QByteArray Schriftprogramm::auszug(std::set<quint32>& glyphen) const {
    if (!eingebettbar()) {
        return {};
    }
    glyphen.insert(0); // the glyph for characters a face lacks
    std::vector<quint32> offen(glyphen.begin(), glyphen.end());
    QByteArray neueGlyphen;
    QByteArray neueVerweise;
    std::vector<QByteArray> umrisse(static_cast<std::size_t>(anzahl));
    while (!offen.empty()) {
        const quint32 glyph = offen.back();
        offen.pop_back();
        if (glyph >= quint32(anzahl) || !umrisse[glyph].isNull()) {
            continue;
        }
        glyphen.insert(glyph);
        const quint32 anfang = glyphAnfang(glyph);
        const quint32 ende = glyphAnfang(glyph + 1);
        umrisse[glyph] = ende > anfang && ende <= quint32(glyf.size())
                             ? glyf.mid(anfang, ende - anfang)
                             : QByteArray("");
        for (const quint32 teil : bestandteile(umrisse[glyph])) {
            offen.push_back(teil);
        }
    }
    for (const QByteArray& umriss : umrisse) {
        anhaengen32(neueVerweise, quint32(neueGlyphen.size()));
        neueGlyphen += umriss;
        neueGlyphen.append((4 - neueGlyphen.size() % 4) % 4, '\0');
    }
    anhaengen32(neueVerweise, quint32(neueGlyphen.size()));

    QByteArray neuerKopf = head;
    qToBigEndian<quint32>(0, neuerKopf.data() + 8); // the whole file's check sum, below
    qToBigEndian<qint16>(1, neuerKopf.data() + 50); // places in 32 bits
    // Glyph names are not needed to draw: the short form of the names table.
    QByteArray namen = post.left(16);
    namen.append(32 - namen.size(), '\0');
    qToBigEndian<quint32>(0x00030000, namen.data());

    // In the order of their tags, as a font file lists them.
    const std::array<std::pair<const char*, QByteArray>, 12> tabellen = {{
        {"OS/2", os2},
        {"cvt ", cvt},
        {"fpgm", fpgm},
        {"glyf", neueGlyphen},
        {"head", neuerKopf},
        {"hhea", hhea},
        {"hmtx", hmtx},
        {"loca", neueVerweise},
        {"maxp", maxp},
        {"name", name},
        {"post", namen},
        {"prep", prep},
    }};
    int tabellenzahl = 0;
    for (const auto& [kennung, inhalt] : tabellen) {
        tabellenzahl += inhalt.isEmpty() ? 0 : 1;
    }
    int potenz = 1;
    int stufen = 0;
    while (potenz * 2 <= tabellenzahl) {
        potenz *= 2;
        ++stufen;
    }
    QByteArray datei;
    anhaengen32(datei, 0x00010000);
    anhaengen16(datei, quint16(tabellenzahl));
    anhaengen16(datei, quint16(potenz * 16));
    anhaengen16(datei, quint16(stufen));
    anhaengen16(datei, quint16((tabellenzahl - potenz) * 16));
    QByteArray inhalte;
    const qsizetype kopfgroesse = 12 + 16 * qsizetype(tabellenzahl);
    qsizetype kopfStelle = -1;
    for (const auto& [kennung, inhalt] : tabellen) {
        if (inhalt.isEmpty()) {
            continue;
        }
        if (qstrcmp(kennung, "head") == 0) {
            kopfStelle = kopfgroesse + inhalte.size();
        }
        datei.append(kennung, 4);
        anhaengen32(datei, pruefsumme(inhalt));
        anhaengen32(datei, quint32(kopfgroesse + inhalte.size()));
        anhaengen32(datei, quint32(inhalt.size()));
        inhalte += inhalt;
        inhalte.append((4 - inhalte.size() % 4) % 4, '\0');
    }
    datei += inhalte;
    qToBigEndian<quint32>(0xB1B0AFBA - pruefsumme(datei), datei.data() + kopfStelle + 8);
    return datei;
}

std::map<quint32, char32_t> Schriftprogramm::zeichen(const std::set<quint32>& glyphen) const {
    std::map<quint32, char32_t> ergebnis;
    const auto eintragen = [&](char32_t zeichen, quint32 glyph) {
        if (glyph != 0 && glyphen.count(glyph) && !ergebnis.count(glyph)) {
            ergebnis[glyph] = zeichen;
        }
    };
    // The Unicode subtable: all characters (format 12), or those of the first plane (format 4).
    qsizetype alle = -1;
    qsizetype ebene = -1;
    for (int i = 0; i < wort(cmap, 2); ++i) {
        const quint16 plattform = wort(cmap, 4 + i * 8);
        const quint16 kodierung = wort(cmap, 6 + i * 8);
        const qsizetype stelle = doppelwort(cmap, 8 + i * 8);
        const quint16 format = wort(cmap, stelle);
        if (format == 12 && (plattform == 0 || (plattform == 3 && kodierung == 10))) {
            alle = stelle;
        } else if (format == 4 && (plattform == 0 || (plattform == 3 && kodierung == 1))) {
            ebene = stelle;
        }
    }
    if (alle >= 0) {
        const quint32 gruppen = doppelwort(cmap, alle + 12);
        for (quint32 g = 0; g < gruppen && alle + 16 + qsizetype(g) * 12 + 12 <= cmap.size(); ++g) {
            const qsizetype stelle = alle + 16 + qsizetype(g) * 12;
            const quint32 anfang = doppelwort(cmap, stelle);
            const quint32 ende = std::min<quint32>(doppelwort(cmap, stelle + 4), 0x10FFFF);
            const quint32 erster = doppelwort(cmap, stelle + 8);
            // Only the glyphs asked for: a group may span thousands of characters.
            for (auto glyph = glyphen.lower_bound(erster);
                 glyph != glyphen.end() && anfang <= ende && *glyph - erster <= ende - anfang;
                 ++glyph) {
                eintragen(char32_t(anfang + (*glyph - erster)), *glyph);
            }
        }
    } else if (ebene >= 0) {
        const int abschnitte = wort(cmap, ebene + 6) / 2;
        const qsizetype enden = ebene + 14;
        const qsizetype anfaenge = enden + 2 * abschnitte + 2;
        const qsizetype abstaende = anfaenge + 2 * abschnitte;
        const qsizetype verweise = abstaende + 2 * abschnitte;
        for (int a = 0; a < abschnitte; ++a) {
            const quint16 anfang = wort(cmap, anfaenge + 2 * a);
            const quint16 ende = wort(cmap, enden + 2 * a);
            const quint16 abstand = wort(cmap, abstaende + 2 * a);
            const quint16 verweis = wort(cmap, verweise + 2 * a);
            for (quint32 z = anfang; z <= ende && z != 0xFFFF; ++z) {
                quint16 glyph = 0;
                if (verweis == 0) {
                    glyph = quint16(z + abstand);
                } else if (const quint16 roh =
                               wort(cmap, verweise + 2 * a + verweis + 2 * (z - anfang));
                           roh != 0) {
                    glyph = quint16(roh + abstand);
                }
                eintragen(char32_t(z), glyph);
            }
        }
    }
    return ergebnis;
}

} // namespace velmora
