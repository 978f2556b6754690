// References of 0 to 30 tasks, with and without signatory and logo, as PDF and as Word document
// through LibreOffice, read back by poppler page by page: the closing block on one page after
// at least two lines of text, "Seite N von M" on every page of more than one and on none of one
// page, the employer heading the letterhead once.
#include "platform/dateischicht.h"
#include "render/pdfausgabe.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/testbild.h"
#include "support/testzeugnis.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace velmora;

namespace {

constexpr int meisteAufgaben = 30;
const QString firma = QStringLiteral("Zevuz GmbH");
const QString anschrift = QStringLiteral("Königsallee 1 · 40212 Düsseldorf");

struct Fassung {
    const char* name;
    bool unterzeichner;
    bool logo;
};
constexpr Fassung fassungen[] = {{"ohne Unterzeichner", false, false},
                                 {"mit Unterzeichner", true, false},
                                 {"mit Logo", false, true},
                                 {"mit Unterzeichner und Logo", true, true}};

Zeugnisdaten daten(const Fassung& fassung, int aufgaben) {
    Zeugnisdaten daten = test::alleBewertet(frau);
    daten.text(Eingabe::Firma) = firma.toStdString();
    daten.text(Eingabe::Ort) = "Bremen";
    daten.text(Eingabe::Datum) = "31.12.2026";
    for (int i = 1; i <= aufgaben; ++i) {
        // Every third task over two lines.
        daten.aufgaben.liste.push_back(
            "Pflege der Kundenstammdaten Nr. " + std::to_string(i) +
            (i % 3 ? ""
                   : " im Warenwirtschaftssystem einschließlich der Prüfung offener Posten, "
                     "der Mahnläufe und der monatlichen Abstimmung mit der Buchhaltung"));
    }
    if (fassung.unterzeichner) {
        daten.unterzeichner = {"Dr. Eva Roth", "Prokuristin", "ppa."};
    }
    return daten;
}

Zeugnisausgabe ausgabe(const Fassung& fassung, int aufgaben) {
    const Zeugnisdaten d = daten(fassung, aufgaben);
    Zeugnisausgabe ausgabe{zeugnismodell(d, komponierteVorschautexte(d)), {}};
    std::optional<Bild> logo;
    if (fassung.logo) {
        logo = Bild{Bildformat::Png, test::testbild(200, 100, "PNG").toStdString(), 2834, 1417};
    }
    ausgabe.modell.briefkopf = std::make_shared<const Briefkopf>(
        Briefkopf{logo, {firma.toStdString(), anschrift.toStdString()}, firma.toStdString()});
    return ausgabe;
}

// The closing block as it reads in lines.
QStringList schlusszeilen(const Fassung& fassung) {
    QStringList zeilen = {"31.12.2026, Bremen", "___________________"};
    if (fassung.unterzeichner) {
        zeilen << "ppa. Dr. Eva Roth"
               << "Prokuristin";
    }
    return zeilen << firma;
}

QString poppler(const QString& programm, const QStringList& argumente) {
    QProcess prozess;
    prozess.start(QStringLiteral(VELMORA_POPPLER "/") + programm, argumente);
    prozess.waitForFinished();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

// What is wrong with the pages of a PDF, read one by one; empty when nothing is.
QString seitenPruefen(const QString& pdf, const Fassung& fassung) {
    const int anzahl =
        QRegularExpression("Pages: +(\\d+)").match(poppler("pdfinfo", {pdf})).captured(1).toInt();
    const QStringList schluss = schlusszeilen(fassung);
    int schlussseite = 0;
    for (int n = 1; n <= anzahl; ++n) {
        QStringList zeilen;
        for (const QString& zeile : poppler("pdftotext", {"-layout", "-f", QString::number(n), "-l",
                                                          QString::number(n), pdf, "-"})
                                        .split('\n')) {
            if (!zeile.trimmed().isEmpty()) {
                zeilen << zeile.trimmed();
            }
        }
        if (zeilen.isEmpty()) {
            return QStringLiteral("Seite %1 ist leer").arg(n);
        }
        const QString seitenzahl = QStringLiteral("Seite %1 von %2").arg(n).arg(anzahl);
        if (anzahl > 1 ? zeilen.takeLast() != seitenzahl
                       : !zeilen.filter(QRegularExpression("^Seite \\d")).isEmpty()) {
            return QStringLiteral("Seite %1: die Seitenzahl fehlt oder steht zu viel").arg(n);
        }
        if (n == 1 &&
            (zeilen.indexOf(anschrift) < 1 || zeilen[zeilen.indexOf(anschrift) - 1] != firma ||
             zeilen.mid(0, zeilen.indexOf(anschrift) - 1).contains(firma))) {
            return QStringLiteral("Der Arbeitgeber steht nicht einmal über der Anschrift");
        }
        const qsizetype anfang = zeilen.indexOf(schluss.first());
        if (anfang < 0) {
            continue;
        }
        if (schlussseite || anfang < 2 || zeilen.mid(anfang) != schluss) {
            return QStringLiteral(
                       "Seite %1: der Schluss steht nicht beisammen nach zwei Zeilen: %2")
                .arg(n)
                .arg(zeilen.join(" | "));
        }
        schlussseite = n;
    }
    return schlussseite ? QString() : QStringLiteral("Der Schluss fehlt");
}

// The references read back: for each kind, those with no and with the most tasks, and around
// each of this program's page breaks the task count where the pages grow, the one before and
// the one after. Between them nothing moves from page to page.
std::set<std::pair<int, int>> auswahl() {
    std::set<std::pair<int, int>> auswahl;
    for (int f = 0; f < int(std::size(fassungen)); ++f) {
        auswahl.insert({{f, 0}, {f, meisteAufgaben}});
        std::size_t vorher = 1;
        for (int aufgaben = 1; aufgaben <= meisteAufgaben; ++aufgaben) {
            const std::size_t seiten =
                seitensatz(ausgabe(fassungen[f], aufgaben).modell).seiten.size();
            if (seiten != vorher) {
                auswahl.insert({{f, aufgaben - 1}, {f, aufgaben}, {f, aufgaben + 1}});
            }
            vorher = seiten;
        }
    }
    return auswahl;
}

} // namespace

class SeitenumbruchTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

private slots:
    void PdfSeitenWieGesetzt_data() {
        QTest::addColumn<int>("fassung");
        QTest::addColumn<int>("aufgaben");
        for (const auto& [f, aufgaben] : auswahl()) {
            QTest::addRow("%s, %d Aufgaben", fassungen[f].name, aufgaben) << f << aufgaben;
        }
    }

    void PdfSeitenWieGesetzt() {
        QFETCH(int, fassung);
        QFETCH(int, aufgaben);
        const QString pfad = ordner.filePath("z.pdf");
        QVERIFY(dateischicht::ersetzen(pfad, Dateiart::Dokument,
                                       pdfAusgabe(ausgabe(fassungen[fassung], aufgaben)), {}));
        const QString fehler = seitenPruefen(pfad, fassungen[fassung]);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    // LibreOffice lays out the same references as Word documents, all in one run.
    void DocxSeitenInLibreOffice() {
#ifndef VELMORA_SOFFICE
        QSKIP("LibreOffice is not installed");
#else
        std::vector<std::pair<int, QString>> dokumente;
        for (const auto& [f, aufgaben] : auswahl()) {
            const QString name = QStringLiteral("d%1_%2").arg(f).arg(aufgaben);
            QVERIFY(dateischicht::ersetzen(ordner.filePath(name + ".docx"), Dateiart::Dokument,
                                           docxAusgabe(ausgabe(fassungen[f], aufgaben)), {}));
            dokumente.emplace_back(f, name);
        }
        QStringList argumente = {"--headless",
                                 "--norestore",
                                 "-env:UserInstallation=file://" + ordner.filePath("profil"),
                                 "--convert-to",
                                 "pdf",
                                 "--outdir",
                                 ordner.path()};
        for (const auto& [f, name] : dokumente) {
            argumente << ordner.filePath(name + ".docx");
        }
        QProcess soffice;
        soffice.start(QStringLiteral(VELMORA_SOFFICE), argumente);
        QVERIFY(soffice.waitForFinished(240000));
        for (const auto& [f, name] : dokumente) {
            const QString fehler = seitenPruefen(ordner.filePath(name + ".pdf"), fassungen[f]);
            QVERIFY2(fehler.isEmpty(), qPrintable(name + ": " + fehler));
        }
#endif
    }
};

QTEST_MAIN(SeitenumbruchTest)
#include "seitenumbruch_test.moc"
