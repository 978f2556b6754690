// The analysis window on files of every format, as a user meets it: the text in its grades'
// colours and numbers, the section cells, the notices, the keys, a drop, the report.
#include "analysedarstellung/analysebericht.h"
#include "analysedarstellung/analysetexte.h"
#include "analysefenster/analysefenster.h"
#include "analysefenster/analysekopf.h"
#include "analysefenster/satzansicht.h"
#include "app/analysedatei.h"
#include "app/startdatei.h"
#include "output/docxdokument.h"
#include "render/pdfausgabe.h"
#include "render/zeugnisausgabe.h"
#include "support/datentabelle.h"
#include "support/testfenster.h"
#include "support/testzeugnis.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTextBlock>
#include <QTextBrowser>

using namespace velmora;

namespace {

QString ohneLeerraum(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

} // namespace

class AnalysefensterTest : public QObject {
    Q_OBJECT

    test::Testfenster t;
    Analysefenster* fenster = nullptr;

    Satzansicht* saetze() const { return fenster->findChild<Satzansicht*>("saetze"); }

    // The window on the reference of this test's text file.
    void textZeigen() { QVERIFY(fenster->dateiAnalysieren(VELMORA_DATEN "/zeugnis.txt")); }

private slots:
    void init() {
        t.zeigen();
        t.fenster->analyseleserSetzen(analyseleser(*t.plattform));
        fenster = &t.fenster->analysefensterZeigen();
    }
    // Its size is kept in zustand.json; a window never opened leaves nothing there.
    void GroesseBleibt() {
        t.zeigen();
        t.fenster->close();
        QVERIFY(!t.lesen("zustand.json").value_or(QByteArray()).contains("analysefenster"));
        t.zeigen();
        t.fenster->analysefensterZeigen().resize(900, 640);
        t.fenster->close();
        const QByteArray zustand = t.lesen("zustand.json").value_or(QByteArray());
        QVERIFY(zustand.contains("\"breite\": 900"));
        t.zeigen();
        t.fenster->zustandLaden();
        QCOMPARE(t.fenster->analysefensterZeigen().size(), QSize(900, 640));
    }
    void cleanup() { t.fenster.reset(); }

    // One reference in every format it may come in, as the program writes it; and a text.
    void ZeigtWasDieAnalyseSagt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        const Zeugnisdaten daten = test::alleBewertet(frau);
        const AngezeigteVorschautexte vorschau = komponierteVorschautexte(daten);
        const auto bytes = [](const std::string& text) { return QByteArray::fromStdString(text); };
        QTest::newRow("Text") << "zeugnis.txt"
                              << bytes(test::dateiinhalt(VELMORA_DATEN "/zeugnis.txt"));
        QTest::newRow("Zeugnisdatei") << "Musterfrau.zeugnis" << zeugnisdateiSchreiben(daten);
        QTest::newRow("RTF") << "Zeugnis.doc"
                             << bytes(test::zeugnisdokument(daten, vorschau, std::nullopt));
        QTest::newRow("Word") << "Zeugnis.docx"
                              << bytes(docxDokument(zeugnismodell(daten, vorschau)));
        QTest::newRow("PDF") << "Zeugnis.pdf" << pdfAusgabe({zeugnismodell(daten, vorschau), {}});
    }
    void ZeigtWasDieAnalyseSagt() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        const QString datei = t.dokument(name);
        t.ablegen(datei, inhalt, Dateiart::Dokument);
        QVERIFY(fenster->dateiAnalysieren(datei));
        QCOMPARE(fenster->windowTitle(), "Zeugnisanalyse – " + QFileInfo(datei).fileName());
        const Analyse& analyse = fenster->analyse();
        QVERIFY(analyse.saetze.size() > 5);
        // The program's own sentences are known whatever the format carried them.
        QVERIFY(name == "zeugnis.txt" ||
                std::ranges::any_of(analyse.saetze, &Satzanalyse::bekannt));
        const QTextDocument* dokument = saetze()->document();
        const QString text = dokument->toPlainText();
        for (std::size_t i = 0; i < analyse.saetze.size(); ++i) {
            const Satzanalyse& satz = analyse.saetze[i];
            const auto [anfang, ende] = saetze()->stellen()[i];
            QCOMPARE(text.mid(anfang, ende - anfang), QString::fromStdString(satz.text));
            QTextCursor zeiger(const_cast<QTextDocument*>(dokument));
            zeiger.setPosition(anfang + 1);
            const QBrush hintergrund = zeiger.charFormat().background();
            if (!satz.note) {
                QCOMPARE(hintergrund.style(), Qt::NoBrush);
                continue;
            }
            // The grade's number stands before the sentence, on its colour.
            QCOMPARE(text.mid(anfang - 2, 1), QString::number(*satz.note));
            QCOMPARE(hintergrund.color().name(),
                     QLatin1String(notenfarben[*satz.note - 1].hintergrund));
        }
        const auto bilder = bereichsbilder(analyse);
        const auto* kopf = fenster->findChild<Analysekopf*>();
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            const Bereichsbild& bild = bilder[bereich - 1];
            QCOMPARE(kopf->zelle(bereich)->text(), bild.note        ? QString::number(*bild.note)
                                                   : bild.vorhanden ? QStringLiteral("–")
                                                                    : QStringLiteral("fehlt"));
        }
        QCOMPARE(kopf->gesamtnote(), analyse.gesamtnote
                                         ? QString::fromStdString(noteInWorten(*analyse.gesamtnote))
                                         : QStringLiteral("–"));
    }

    // Each notice about a sentence selects it and the panel says why.
    void HinweiseFuehrenZumSatz() {
        textZeigen();
        auto* liste = fenster->findChild<QListWidget*>("hinweisliste");
        int gefuehrt = 0;
        for (int i = 0; i < liste->count(); ++i) {
            const QVariant satz = liste->item(i)->data(Qt::UserRole);
            if (!satz.isValid()) {
                continue;
            }
            saetze()->waehlen(satz.toInt() == 0 ? 1 : 0);
            emit liste->itemActivated(liste->item(i));
            QCOMPARE(saetze()->gewaehlt(), satz.toInt());
            const Hinweis& hinweis = fenster->analyse().hinweise[std::size_t(i)];
            QVERIFY(fenster->findChild<QTextBrowser*>("seitenfeld")
                        ->toPlainText()
                        .contains(QString::fromStdString(hinweis.text)));
            ++gefuehrt;
        }
        QVERIFY(gefuehrt > 0);
    }

    void Tastatur() {
        textZeigen();
        QCOMPARE(saetze()->gewaehlt(), 0);
        for (const auto& [taste, satz] : {std::pair{Qt::Key_Right, 1},
                                          {Qt::Key_Down, 2},
                                          {Qt::Key_Left, 1},
                                          {Qt::Key_Up, 0},
                                          {Qt::Key_Up, 0}}) {
            QTest::keyClick(saetze(), taste);
            QCOMPARE(saetze()->gewaehlt(), satz);
        }
        QTest::keyClick(saetze(), Qt::Key_Return);
        QCOMPARE(fenster->focusWidget(), fenster->findChild<QTextBrowser*>("seitenfeld"));
        QTest::keyClick(fenster->focusWidget(), Qt::Key_Tab);
        QCOMPARE(fenster->focusWidget(), fenster->findChild<QListWidget*>("hinweisliste"));
        QTest::keyClick(fenster->focusWidget(), Qt::Key_Escape);
        QVERIFY(!fenster->isVisible());
    }

    // A later start with --analyse-fenster is handed to the running window.
    void WeitererStart() {
        fenster->close();
        weitererStart(*t.fenster, {"--analyse-fenster", "zeugnis.txt"}, VELMORA_DATEN);
        QVERIFY(fenster->isVisible());
        QCOMPARE(fenster->windowTitle(), "Zeugnisanalyse – zeugnis.txt");
    }

    void DateiFallenLassen() {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(VELMORA_DATEN "/zeugnis.txt")});
        const QPoint ort = fenster->rect().center();
        QDragEnterEvent betreten(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster, &betreten);
        QVERIFY(betreten.isAccepted());
        QDropEvent fallen(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster, &fallen);
        QCOMPARE(fenster->windowTitle(), "Zeugnisanalyse – zeugnis.txt");
        QVERIFY(!fenster->analyse().saetze.empty());
    }

    // poppler reads back the title, the overall grade, every sentence and the closing.
    void BerichtLiestSichZurueck() {
        textZeigen();
        const QString pfad = t.dokument("Bericht.pdf");
        t.plattform->dateiantworten.append(pfad);
        fenster->berichtSpeichern();
        QProcess poppler;
        poppler.start(VELMORA_PDFTOTEXT, {pfad, "-"});
        QVERIFY(poppler.waitForFinished());
        const QString gelesen = ohneLeerraum(QString::fromUtf8(poppler.readAllStandardOutput()));
        const Analyse& analyse = fenster->analyse();
        QStringList erwartet = {QString::fromUtf8(berichtstitel),
                                "Gesamtnote:2–gut(ausderZufriedenheitsformel)",
                                QString::fromUtf8(berichtsschluss)};
        for (const Satzanalyse& satz : analyse.saetze) {
            erwartet.append(QString::fromStdString(satz.text));
        }
        for (const QString& text : erwartet) {
            QVERIFY2(gelesen.contains(ohneLeerraum(text)), qPrintable(text));
        }
    }

    // Y is the analysis menu's alone, in the menu bar and among the window's controls, with
    // either kind of reference.
    void ZugriffstasteY() {
        for (const Zeugnisart art : {Zeugnisart::Endzeugnis, Zeugnisart::Zwischenzeugnis}) {
            t.fenster->artSetzen(art);
            QSet<QString> mitY;
            for (QObject* element : t.fenster->findChildren<QObject*>()) {
                for (const char* name : {"text", "title"}) {
                    const QString text = element->property(name).toString();
                    if (text.contains("&y", Qt::CaseInsensitive)) {
                        mitY.insert(text);
                    }
                }
            }
            QCOMPARE(mitY, QSet<QString>{"Anal&yse"});
        }
    }
};

QTEST_MAIN(AnalysefensterTest)
#include "analysefenster_test.moc"
