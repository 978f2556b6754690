#include "compose/komposition.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// A fully graded reference: every section composes, the final Schlussformel with the leaving
// date.
void alleVorschautexte(benchmark::State& state, Zeugnisart art) {
    Zeugnisdaten daten = anfangsdaten();
    daten.geschlecht = frau;
    daten.art = art;
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        daten.bereich(bereich).note = bereich == 12 ? 3 : 1;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(alleVorschautexte(daten));
    }
}

void AlleVorschautexte(benchmark::State& state) {
    alleVorschautexte(state, Zeugnisart::Endzeugnis);
}

void AlleVorschautexteZwischenzeugnis(benchmark::State& state) {
    alleVorschautexte(state, Zeugnisart::Zwischenzeugnis);
}

} // namespace

BENCHMARK(AlleVorschautexte);
BENCHMARK(AlleVorschautexteZwischenzeugnis);
