// The preview window following a change of the main window: the document built from the
// window's state and laid out anew (what every change costs the main window), and a paint of
// the visible page from what was laid out.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "platform/qtplattform.h"
#include "support/testzeugnis.h"
#include "window/frmzg.h"
#include "window/zeugnisvorschau.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

struct Fenster {
    Benchplattform plattform;
    frmzg hauptfenster{plattform};
    Zeugnisvorschau* vorschau;

    Fenster() {
        hauptfenster.datenSetzen(test::alleBewertet(frau));
        hauptfenster.show();
        hauptfenster.findChild<QAction*>(QStringLiteral("mnuVorschau"))->trigger();
        vorschau = hauptfenster.findChild<Zeugnisvorschau*>();
    }
};

void VorschauNachAenderung(benchmark::State& state) {
    Fenster fenster;
    for (auto _ : state) {
        emit fenster.hauptfenster.geaendert();
    }
    if (fenster.vorschau->satz().seiten.empty()) {
        state.SkipWithError("the preview shows nothing");
    }
}
BENCHMARK(VorschauNachAenderung)->Unit(benchmark::kMicrosecond);

// What a paint of the window's visible part costs, into an image of the screen's format.
void VorschauZeichnen(benchmark::State& state) {
    Fenster fenster;
    QWidget* sichtbar = fenster.vorschau->viewport();
    QImage bild(sichtbar->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        sichtbar->render(&bild);
    }
}
BENCHMARK(VorschauZeichnen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
