// What a keystroke in a section's box for own words costs: the box's text read by the
// analysis and the reading set below it, fitted to its place. A short text and one of five
// sentences, in the main window as the user types.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "support/testzeugnis.h"
#include "window/frmzg.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

const QString kurz = QStringLiteral("Sie war stets bemüht, sich fortzubilden");
const QString lang = QStringLiteral(
    "Sie nutzte alle Möglichkeiten zur Weiterbildung mit großem Erfolg. Neue Kenntnisse setzte "
    "sie stets sicher in der Praxis ein. Sie besuchte regelmäßig externe Seminare. Ihr Wissen "
    "gab sie gern an das Team weiter. Wir waren mit ihrer Entwicklung jederzeit sehr zufrieden.");

void EigenerTextTastendruck(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fenster.datenSetzen(test::alleBewertet(frau));
    fenster.reiterSetzen(untereLeiste, 1);
    fenster.show();
    fenster.findChild<QPushButton*>(QStringLiteral("cmdText(1)"))->click();
    auto* feld = fenster.findChild<QPlainTextEdit*>(QStringLiteral("txtEigen(1)"));
    const QString text = state.range(0) == 0 ? kurz : lang;
    int taste = 0;
    for (auto _ : state) {
        // Each time another text, as each key makes one.
        feld->setPlainText(text + QChar(u'a' + taste++ % 26));
    }
    if (fenster.findChild<QLabel*>(QStringLiteral("lblLesart(1)"))->text().isEmpty()) {
        state.SkipWithError("no reading below the box");
    }
}
// 0: one sentence, 1: five.
BENCHMARK(EigenerTextTastendruck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
