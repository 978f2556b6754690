// Leaving a box with the whole-reference preview open, for references of 10, 100 and 1,000
// tasks. The time is the window's handling of the focus leaving the box: the previews composed,
// the recovery file written and synced. Beside it, as counters per box left, what follows
// without holding the window up: the preview laid out once the changes rest (Vorschau_ms); the
// processor time of the window's part and of the layout beside their wall time, since the
// machine a benchmark runs on is rarely idle.
// The growth with the tasks shows whether any step costs more than linear time.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "support/testzeugnis.h"
#include "window/frmzg.h"
#include "window/zeugnisvorschau.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

using namespace velmora;

namespace {

using Uhr = std::chrono::steady_clock;

double sekundenSeit(Uhr::time_point anfang) {
    return std::chrono::duration<double>(Uhr::now() - anfang).count();
}

// The processor time of this thread: what the work itself costs, however loaded the machine.
double rechenzeit() {
    timespec zeit{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &zeit);
    return double(zeit.tv_sec) + double(zeit.tv_nsec) / 1e9;
}

void FeldVerlassen(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    Zeugnisdaten daten = test::alleBewertet(frau);
    for (int i = 0; i < state.range(0); ++i) {
        daten.aufgaben.liste.push_back("Betreuung der Kunden im Bezirk " + std::to_string(i) +
                                       " einschließlich Angeboten, Reklamationen und Besuchen");
    }
    fenster.datenSetzen(daten);
    fenster.sicherungBeginnen();
    fenster.show();
    fenster.findChild<QAction*>(QStringLiteral("mnuVorschau"))->trigger();
    auto* vorschau = fenster.findChild<Zeugnisvorschau*>();
    auto* box = fenster.findChild<QLineEdit*>(QStringLiteral("txtang(0)"));
    int runde = 0;
    double fensterRechenzeit = 0;
    double vorschauen = 0;
    double vorschauRechenzeit = 0;
    for (auto _ : state) {
        // A new text each time, so that the recovery file is written each time.
        box->setText(QStringLiteral("Erika %1").arg(++runde));
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        const Uhr::time_point anfang = Uhr::now();
        double rechenbeginn = rechenzeit();
        QApplication::sendEvent(box, &verlassen);
        state.SetIterationTime(sekundenSeit(anfang));
        fensterRechenzeit += rechenzeit() - rechenbeginn;

        // The preview lays out once the changes rest: timed apart, as it follows.
        const Uhr::time_point danach = Uhr::now();
        rechenbeginn = rechenzeit();
        vorschau->dokumentZeigen(fenster.vorschauausgabe().modell);
        vorschauen += sekundenSeit(danach);
        vorschauRechenzeit += rechenzeit() - rechenbeginn;
    }
    if (!vorschau || !vorschau->isVisible() || vorschau->satz().seiten.empty()) {
        state.SkipWithError("the preview is not open");
    }
    const auto jeFeld = [&](double sekunden) {
        return benchmark::Counter(sekunden * 1000, benchmark::Counter::kAvgIterations);
    };
    state.counters["FensterCPU_ms"] = jeFeld(fensterRechenzeit);
    state.counters["Vorschau_ms"] = jeFeld(vorschauen);
    state.counters["VorschauCPU_ms"] = jeFeld(vorschauRechenzeit);
    state.counters["Aufgaben"] = double(state.range(0));
}
BENCHMARK(FeldVerlassen)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
