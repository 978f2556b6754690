// From a two-page PDF on disk to the analysis window's first paint: the file read and its text
// found, the reference analysed, the window laid out and drawn. Aim: below 100 ms.
#include "analysefenster/analysefenster.h"
#include "app/analysedatei.h"
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "platform/dateischicht.h"
#include "render/pdfausgabe.h"
#include "render/zeugnisausgabe.h"
#include "support/testzeugnis.h"

#include <QApplication>

using namespace velmora;

namespace {

void AnalysefensterAufPdf(benchmark::State& state) {
    Benchplattform plattform;
    const QString pfad = plattform.ordner.filePath(QStringLiteral("Zeugnis.pdf"));
    if (!dateischicht::ersetzen(pfad, Dateiart::Dokument,
                                pdfAusgabe({test::zweiseitigesZeugnis(), {}}), {})) {
        state.SkipWithError("no PDF written");
        return;
    }
    for (auto _ : state) {
        Analysefenster fenster(plattform, analyseleser(plattform));
        fenster.dateiAnalysieren(pfad);
        fenster.show();
        benchmark::DoNotOptimize(fenster.grab());
    }
}
BENCHMARK(AnalysefensterAufPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
