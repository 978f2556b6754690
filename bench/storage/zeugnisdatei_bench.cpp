// Opening a reference file (reading it from disk, parsing it, composing its previews) and
// saving one (writing the JSON and replacing the file atomically, synced to disk), as the
// window and the command line do. Target: each well under 5 ms.
#include "compose/komposition.h"
#include "platform/dateischicht.h"
#include "storage/zeugnisdatei.h"
#include "support/volleinstellungen.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void ZeugnisOeffnen(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("Müller, Hans.zeugnis"));
    if (!dateischicht::ersetzen(pfad, Dateiart::Dokument, zeugnisdateiSchreiben(vollesZeugnis()),
                                nullptr)) {
        state.SkipWithError("cannot write");
        return;
    }
    for (auto _ : state) {
        const Zeugnislesung lesung = zeugnisdateiLesen(
            *dateischicht::lesen(pfad, Dateiart::Dokument, 1 << 24, nullptr), pfad);
        benchmark::DoNotOptimize(alleVorschautexte(lesung.datei->daten));
    }
}
BENCHMARK(ZeugnisOeffnen)->Unit(benchmark::kMicrosecond);

void ZeugnisSpeichern(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("Müller, Hans.zeugnis"));
    const Zeugnisdaten daten = vollesZeugnis();
    for (auto _ : state) {
        if (!dateischicht::ersetzen(pfad, Dateiart::Dokument, zeugnisdateiSchreiben(daten),
                                    nullptr)) {
            state.SkipWithError("cannot write");
            break;
        }
    }
}
BENCHMARK(ZeugnisSpeichern)->Unit(benchmark::kMicrosecond);

} // namespace
