// The PDF as poppler, a reader that is not the writer, reads it back: the reference's words in
// their order, every font embedded with its characters, A4, title and author, the PDF/A-1b
// identification and output intent.
#include "platform/dateischicht.h"
#include "render/pdfausgabe.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/testzeugnis.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace velmora;

Q_DECLARE_METATYPE(Dokumentmodell)

namespace {

// The words of every paragraph, the letterhead's first, a list item's bullet with them.
QStringList woerter(const Dokumentmodell& modell) {
    QString text;
    for (const std::vector<Absatz>& teil : {briefkopfAbsaetze(modell), modell.absaetze}) {
        for (const Absatz& absatz : teil) {
            text += absatz.listenpunkt ? QStringLiteral("\u2022 ") : QString();
            for (const Lauf& lauf : absatz.laeufe) {
                text += QString::fromStdString(lauf.text) + ' ';
            }
        }
    }
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// A half transparent logo: PDF/A knows no transparency.
Bild logo() {
    QImage bild(60, 30, QImage::Format_ARGB32);
    bild.fill(QColor(200, 0, 0, 128));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    bild.save(&png, "PNG");
    return {Bildformat::Png, png.data().toStdString(), 1440, 720};
}

Dokumentmodell modell(Zeugnisdaten daten) {
    return zeugnismodell(daten, komponierteVorschautexte(daten));
}

} // namespace

class PdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("z.pdf");

    static QString poppler(const char* programm, const QStringList& argumente) {
        QProcess prozess;
        prozess.start(QStringLiteral(VELMORA_POPPLER "/") + programm, argumente);
        prozess.waitForFinished();
        return QString::fromUtf8(prozess.readAllStandardOutput());
    }

private slots:
    void PopplerLiestZurueck_data() {
        QTest::addColumn<Dokumentmodell>("modell");
        Zeugnisdaten zeichen = test::alleBewertet(frau);
        zeichen.text(Eingabe::Vorname) = "Ma<r>k & \"O'Neil\" ]]>";
        zeichen.text(Eingabe::Name) = "Łódź";
        zeichen.text(Eingabe::Firma) = "Zevuz & Söhne <GmbH> €";
        QTest::newRow("Sonderzeichen") << modell(zeichen);

        Zeugnisdaten ohne = test::alleBewertet(herr);
        for (const Eingabe eingabe : {Eingabe::Vorname, Eingabe::Name, Eingabe::Firma}) {
            ohne.text(eingabe).clear();
        }
        Dokumentmodell lang = modell(ohne);
        lang.briefkopf = std::make_shared<const Briefkopf>(
            Briefkopf{logo(), {"Zevuz GmbH", "Königsallee 1 · 40212 Düsseldorf"}});
        lang.absaetze.insert(
            lang.absaetze.begin() + 6, 30,
            {.laeufe = {{"Beratung der Kunden im Außendienst"}}, .listenpunkt = true});
        QTest::newRow("ohne Namen und Firma, Briefkopf und Liste über zwei Seiten") << lang;
    }

    void PopplerLiestZurueck() {
        QFETCH(Dokumentmodell, modell);
        const QByteArray pdf = pdfAusgabe({modell, {}});
        QVERIFY(dateischicht::ersetzen(pfad, Dateiart::Dokument, pdf, {}));
        QVERIFY(pdf.contains("/OutputIntents")); // the colour space PDF/A asks for

        // The page numbers below the text, apart from the paragraphs' words.
        QString text = poppler("pdftotext", {"-layout", pfad, "-"});
        const QRegularExpression seitenzahl(QStringLiteral("Seite \\d+ von \\d+"));
        const qsizetype seitenzahlen = text.count(seitenzahl);
        text.remove(seitenzahl);
        QCOMPARE(text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts), woerter(modell));
        const QStringList schriften = poppler("pdffonts", {pfad}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE_GT(schriften.size(), 2);
        for (const QString& schrift : schriften.mid(2)) { // below the table's head
            const QStringList spalten = schrift.split(' ', Qt::SkipEmptyParts);
            // Embedded, and with the characters its glyphs stand for.
            QVERIFY2(spalten.size() > 5 && spalten[spalten.size() - 5] == "yes" &&
                         spalten[spalten.size() - 3] == "yes",
                     qPrintable(schrift));
        }
        const auto feld = [info = poppler("pdfinfo", {"-isodates", pfad})](const QString& name) {
            return QRegularExpression("^" + name + ": +(.*)$", QRegularExpression::MultilineOption)
                .match(info)
                .captured(1);
        };
        QCOMPARE(feld("Page size"), "595 x 842 pts (A4)");
        const qsizetype seiten = feld("Pages").toLongLong();
        QCOMPARE(std::size_t(seiten), seitensatz(modell).seiten.size());
        QCOMPARE(seitenzahlen, seiten > 1 ? seiten : 0);
        QCOMPARE(feld("Title"), QString::fromStdString(modell.titel));
        QCOMPARE(feld("Author"), QString::fromStdString(modell.verfasser));

        // The XMP packet says the same as the info dictionary, and that this is PDF/A-1b.
        QMap<QString, QString> xmp; // each element's text, the rdf: containers passed over
        QXmlStreamReader leser(poppler("pdfinfo", {"-meta", pfad}));
        for (QString element; !leser.atEnd();) {
            if (leser.readNext() == QXmlStreamReader::StartElement && leser.prefix() != u"rdf") {
                element = leser.qualifiedName().toString();
            } else if (leser.isCharacters() && !leser.isWhitespace()) {
                xmp[element] += leser.text();
            }
        }
        QVERIFY2(!leser.hasError(), qPrintable(leser.errorString()));
        QCOMPARE(xmp["pdfaid:part"], "1");
        QCOMPARE(xmp["pdfaid:conformance"], "B");
        QCOMPARE(xmp["dc:title"], feld("Title"));
        QCOMPARE(xmp["dc:creator"], feld("Author"));
        QCOMPARE(xmp["xmp:CreateDate"], feld("CreationDate"));
        QCOMPARE(xmp["pdf:Producer"], feld("Producer"));
    }
};

QTEST_MAIN(PdfTest)
#include "pdf_test.moc"
