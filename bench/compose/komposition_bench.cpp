#include "compose/komposition.h"

#include <benchmark/benchmark.h>

using namespace velmora;

// A fully graded reference: every section composes, the Schlussformel with the leaving date.
static void AlleVorschautexte(benchmark::State& state) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = frau;
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        daten.bereich(bereich).note = bereich == 12 ? 3 : 1;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(alleVorschautexte(daten));
    }
}
BENCHMARK(AlleVorschautexte);
