// One save of the settings file as the program makes it at close: the whole file written
// beside the old one, synced to the disk, renamed over it, the folder synced. The folder lies
// below the working directory, so that the run measures that disk, not /tmp. What every change
// costs (the recovery file) is measured through the window in bench/window.
#include "files/einstellungen.h"
#include "platform/dateischicht.h"
#include "support/volleinstellungen.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void EinstellungenAtomarErsetzen(benchmark::State& state) {
    const std::string datei = einstellungenSchreiben(volleEinstellungen());
    const QByteArray inhalt(datei.data(), static_cast<qsizetype>(datei.size()));
    QTemporaryDir ordner(QDir::current().filePath(QStringLiteral("ersetzen-XXXXXX")));
    const QString pfad = ordner.filePath(QStringLiteral("arbeitszeugnis.ini"));
    for (auto _ : state) {
        if (!dateischicht::ersetzen(pfad, Dateiart::Eigen, inhalt, nullptr)) {
            state.SkipWithError("Die Datei konnte nicht ersetzt werden.");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * inhalt.size());
}
BENCHMARK(EinstellungenAtomarErsetzen)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime() // the time goes to the disk, not the processor
    // One change per repetition, so that the median is that of single saves.
    ->Iterations(1)
    ->Repetitions(200)
    ->ReportAggregatesOnly(true);

} // namespace
