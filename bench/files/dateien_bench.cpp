#include "files/einstellungsempfaenger.h"
#include "support/volleinstellungen.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// Takes every value and does nothing, so only reading and handing over is measured.
class NullEmpfaenger : public Einstellungsempfaenger {
public:
    void geschlechtWaehlen(int) override {}
    void textSetzen(int, const std::string&) override {}
    void knopfSetzen(int, int, bool) override {}
    void anzeigeSetzen(int, int) override {}
    void reiterSetzen(int, int) override {}
};

// Every section graded and shown, texts as long as real ones; `polnisch` forces UTF-8.
Einstellungen voll(bool polnisch) {
    return volleEinstellungen(polnisch ? "Jarosława" : "Hans-Jürgen");
}

void LesenUndAnwenden(benchmark::State& state, const std::string& datei) {
    NullEmpfaenger empfaenger;
    for (auto _ : state) {
        einstellungenAnwenden(einstellungenLesen(datei), empfaenger);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * datei.size()));
}

void EinstellungenLesenUndAnwenden(benchmark::State& state) {
    LesenUndAnwenden(state, einstellungenSchreiben(voll(state.range(0) != 0)));
}
BENCHMARK(EinstellungenLesenUndAnwenden)->ArgName("utf8")->Arg(0)->Arg(1);

// The worst a file can do: a 10 MB line, which is skipped.
void EinstellungenLesenMitZehnMegabyteZeile(benchmark::State& state) {
    LesenUndAnwenden(state,
                     std::string(10'000'000, 'x') + "\r\n" + einstellungenSchreiben(voll(false)));
}
BENCHMARK(EinstellungenLesenMitZehnMegabyteZeile)->Unit(benchmark::kMillisecond);

void EinstellungenSchreiben(benchmark::State& state) {
    const Einstellungen e = voll(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(einstellungenSchreiben(e));
    }
}
BENCHMARK(EinstellungenSchreiben)->ArgName("utf8")->Arg(0)->Arg(1);

} // namespace
