// A two-page reference as the program writes it (PDF, Word document, RTF), read back to text
// and analysed; the PDF on its own as well, since its reader does the most.
#include "analyse/analyse.h"
#include "bench/qtbenchmark.h"
#include "einlesen/dokumentlesen.h"
#include "output/docxdokument.h"
#include "output/dokument.h"
#include "render/pdfausgabe.h"
#include "render/seitensatz.h"
#include "render/zeugnisausgabe.h"
#include "support/testzeugnis.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void lesenUndAnalysieren(benchmark::State& state, const std::string& dokument) {
    for (auto _ : state) {
        const Eingelesen gelesen = dokumentLesen(dokumentformat(dokument), dokument);
        benchmark::DoNotOptimize(zeugnisAnalysieren(gelesen.text));
    }
}

void PdfLesenUndAnalysieren(benchmark::State& state) {
    const Dokumentmodell modell = test::zweiseitigesZeugnis();
    state.counters["Seiten"] = static_cast<double>(seitensatz(modell).seiten.size());
    lesenUndAnalysieren(state, pdfAusgabe({modell, {}}).toStdString());
}
BENCHMARK(PdfLesenUndAnalysieren)->Unit(benchmark::kMillisecond);

void PdfLesen(benchmark::State& state) {
    const std::string pdf = pdfAusgabe({test::zweiseitigesZeugnis(), {}}).toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dokumentLesen(Dokumentformat::Pdf, pdf));
    }
}
BENCHMARK(PdfLesen)->Unit(benchmark::kMillisecond);

void DocxLesenUndAnalysieren(benchmark::State& state) {
    lesenUndAnalysieren(state, docxDokument(test::zweiseitigesZeugnis()));
}
BENCHMARK(DocxLesenUndAnalysieren)->Unit(benchmark::kMillisecond);

void RtfLesenUndAnalysieren(benchmark::State& state) {
    const Dokumentmodell modell = test::zweiseitigesZeugnis();
    lesenUndAnalysieren(state, rtfDokument(modell, eingebauteBasis()));
}
BENCHMARK(RtfLesenUndAnalysieren)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QGuiApplication>(argc, argv);
}
