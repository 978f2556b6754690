// Leaving a box with the whole-reference preview open, for references of 10, 100 and 1,000
// tasks. The time is the window's handling of the focus leaving the box: the previews composed,
// the recovery file written and synced. The preview's layout, which follows once the changes
// rest, is VorschauMitAufgaben's in the preview benchmark.
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

using namespace velmora;

namespace {

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
    for (auto _ : state) {
        // A new text each time, so that the recovery file is written each time.
        state.PauseTiming();
        box->setText(QStringLiteral("Erika %1").arg(++runde));
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        state.ResumeTiming();
        QApplication::sendEvent(box, &verlassen);
    }
    if (!vorschau || !vorschau->isVisible() || vorschau->satz().seiten.empty()) {
        state.SkipWithError("the preview is not open");
    }
    state.counters["Aufgaben"] = double(state.range(0));
}
BENCHMARK(FeldVerlassen)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
