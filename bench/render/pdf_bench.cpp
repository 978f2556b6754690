// The PDF of a fully graded reference beside what Qt needs to print the same text as a plain
// QTextDocument to PDF, and the same paragraphs as rich text, in one run; the laying out
// alone, which the preview repeats; both with 10, 100 and 1,000 tasks, and a task that is one
// word of 10,000 to 1,000,000 characters: the cost grows with the text, not faster.
#include "bench/qtbenchmark.h"
#include "output/klartext.h"
#include "render/pdfausgabe.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/testzeugnis.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

Zeugnisdaten vollesZeugnis(int aufgaben = 0) {
    Zeugnisdaten daten = test::alleBewertet(frau);
    daten.text(Eingabe::Name) = "Müller-Lüdenscheidt";
    for (int i = 0; i < aufgaben; ++i) {
        daten.aufgaben.liste.push_back("Pflege der Kundenstammdaten im Warenwirtschaftssystem "
                                       "und Abstimmung der offenen Posten, Nr. " +
                                       std::to_string(i));
    }
    return daten;
}

Dokumentmodell vollesModell(int aufgaben = 0) {
    const Zeugnisdaten daten = vollesZeugnis(aufgaben);
    return zeugnismodell(daten, komponierteVorschautexte(daten));
}

// The reference with one task that is a single word of that many characters.
Dokumentmodell modellMitLangemWort(int zeichen) {
    Zeugnisdaten daten = vollesZeugnis();
    daten.aufgaben.liste = {std::string(std::size_t(zeichen), 'x')};
    return zeugnismodell(daten, komponierteVorschautexte(daten));
}

// What Qt writes when it prints a text document to PDF on A4.
QByteArray pdfVonQt(QTextDocument& dokument) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    dokument.print(&pdf);
    return puffer.data();
}

// The argument: the tasks entered. Without any, the draft's placeholders are set in italics,
// a third face to embed beside regular and bold, which the plain text does not have.
void PdfZeugnis(benchmark::State& state) {
    const Zeugnisausgabe ausgabe{vollesModell(int(state.range(0))), {}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pdfAusgabe(ausgabe));
    }
}
BENCHMARK(PdfZeugnis)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The clipboard text of the same reference, in Arial 10 pt on A4, as Qt prints any text.
void PdfTextdokument(benchmark::State& state) {
    const Zeugnisdaten daten = vollesZeugnis(int(state.range(0)));
    const QString text = QString::fromStdString(klartext(daten, komponierteVorschautexte(daten)));
    for (auto _ : state) {
        QTextDocument dokument(text);
        dokument.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
        benchmark::DoNotOptimize(pdfVonQt(dokument));
    }
}
BENCHMARK(PdfTextdokument)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same paragraphs with their formats, the way Qt prints rich text: as many faces to embed
// (regular, bold, italic) as the reference's PDF has.
void PdfTextdokumentMitFormaten(benchmark::State& state) {
    const Dokumentmodell modell = vollesModell();
    for (auto _ : state) {
        QTextDocument dokument;
        QTextCursor schreiber(&dokument);
        for (const Absatz& absatz : modell.absaetze) {
            QTextBlockFormat block;
            block.setAlignment(absatz.ausrichtung == Ausrichtung::Zentriert ? Qt::AlignHCenter
                                                                            : Qt::AlignJustify);
            schreiber.insertBlock(block);
            for (const Lauf& lauf : absatz.laeufe) {
                QTextCharFormat zeichen;
                zeichen.setFont(QFont(QStringLiteral("Arial"), lauf.format.halbpunkte / 2,
                                      lauf.format.fett ? QFont::Bold : QFont::Normal,
                                      lauf.format.kursiv));
                zeichen.setFontStretch(lauf.format.breite);
                schreiber.insertText(QString::fromStdString(lauf.text), zeichen);
            }
        }
        benchmark::DoNotOptimize(pdfVonQt(dokument));
    }
}
BENCHMARK(PdfTextdokumentMitFormaten)->Unit(benchmark::kMillisecond);

void Seitensatz(benchmark::State& state) {
    const Dokumentmodell modell = vollesModell();
    for (auto _ : state) {
        benchmark::DoNotOptimize(seitensatz(modell));
    }
}
BENCHMARK(Seitensatz)->Unit(benchmark::kMicrosecond);

void SeitensatzMitAufgaben(benchmark::State& state) {
    const Dokumentmodell modell = vollesModell(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(seitensatz(modell));
    }
}
BENCHMARK(SeitensatzMitAufgaben)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void SeitensatzLangesWort(benchmark::State& state) {
    const Dokumentmodell modell = modellMitLangemWort(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(seitensatz(modell));
    }
}
BENCHMARK(SeitensatzLangesWort)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QGuiApplication>(argc, argv);
}
