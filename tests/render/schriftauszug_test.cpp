// The font program a PDF embeds: FreeType reads the subset back with every used glyph drawn as
// the face draws it and the unused ones empty, each glyph finds its character again, and a face
// without TrueType outlines is left to Qt's writer.
#include "render/pdfschreiber.h"
#include "render/schriftauszug.h"
#include "render/seitensatz.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTest>

using namespace velmora;

namespace {

QRawFont arial(bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(200);
    schrift.setBold(fett);
    return QRawFont::fromFont(schrift);
}

} // namespace

class SchriftauszugTest : public QObject {
    Q_OBJECT

private slots:
    void GlyphenWieImOriginal_data() {
        QTest::addColumn<bool>("fett");
        QTest::addColumn<QString>("text");
        // Umlauts are built of other glyphs; quotes and the euro sign lie far up the face.
        QTest::newRow("Umlaute") << false << QStringLiteral("Müller-Lüdenscheidt, Ärger");
        QTest::newRow("Zeichen") << true << QStringLiteral("„Zeugnis“ – 1½ € · Łódź");
    }

    void GlyphenWieImOriginal() {
        QFETCH(bool, fett);
        QFETCH(QString, text);
        const QRawFont original = arial(fett);
        const Schriftprogramm programm(original);
        QVERIFY(programm.eingebettbar());
        const QList<quint32> benutzt = original.glyphIndexesForString(text);
        std::set<quint32> glyphen(benutzt.begin(), benutzt.end());
        const QByteArray auszug = programm.auszug(glyphen);

        const QRawFont gelesen(auszug, original.pixelSize());
        QVERIFY(gelesen.isValid());
        for (const quint32 glyph : glyphen) {
            QCOMPARE(gelesen.pathForGlyph(glyph), original.pathForGlyph(glyph));
        }
        const quint32 unbenutzt = original.glyphIndexesForString(QStringLiteral("Q")).value(0);
        QVERIFY(!glyphen.count(unbenutzt));
        QVERIFY(gelesen.pathForGlyph(unbenutzt).isEmpty());

        const std::map<quint32, char32_t> zeichen = programm.zeichen(glyphen);
        for (const char32_t z : text.toUcs4()) {
            const quint32 glyph = original.glyphIndexesForString(QString::fromUcs4(&z, 1))[0];
            QCOMPARE(zeichen.at(glyph), z);
        }
    }

    // A face of PostScript outlines, as some fallback fonts are, goes to Qt's writer.
    void OhneTrueTypeUmrisseKeinEigenesPdf() {
        const QString datei =
            QStringLiteral("/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf");
        if (!QFileInfo::exists(datei)) {
            QSKIP("no face with PostScript outlines here");
        }
        const QRawFont schrift(datei, 200);
        QGlyphRun lauf;
        lauf.setRawFont(schrift);
        lauf.setGlyphIndexes(schrift.glyphIndexesForString(QStringLiteral("Zeugnis")));
        lauf.setPositions(QList<QPointF>(7, QPointF(1440, 1440)));
        Seitensatz satz{QSizeF(11906, 16838), {}};
        satz.seiten.emplace_back().glyphen.push_back(lauf);
        QVERIFY(!pdfSchreiben(satz, {}).has_value());
        satz.seiten.front().glyphen.front().setRawFont(arial(false));
        QVERIFY(pdfSchreiben(satz, {}).has_value());
    }
};

QTEST_MAIN(SchriftauszugTest)
#include "schriftauszug_test.moc"
