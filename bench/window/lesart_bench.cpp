// What a keystroke in a section's box for own words costs: the box's text read by the
// analysis and the reading set below it, fitted to its place. A short text and one of five
// sentences, in the main window as the user types. Then the same for the tasks, at 10, 100
// and 1,000 of them: a key that changes the last, and a paste that replaces them all.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "compose/bewertungsbereich.h"
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

// Every tenth task carries a code, so the reading has codes to gather.
QString aufgaben(int anzahl, int runde) {
    QStringList liste;
    for (int i = 0; i < anzahl; ++i) {
        const QString aufgabe = i % 10 == 0
                                    ? QStringLiteral("Organisation geselliger Abende %1.%2")
                                    : QStringLiteral("Pflege der Kundenkartei, Gruppe %1.%2");
        liste.append(aufgabe.arg(i).arg(runde));
    }
    return liste.join('\n');
}

void AufgabenMessen(benchmark::State& state, bool einfuegen) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fenster.reiterSetzen(obereLeiste, aufgabenReiter);
    fenster.show();
    auto* feld = fenster.findChild<QPlainTextEdit*>(QStringLiteral("txtAufgaben"));
    const int anzahl = static_cast<int>(state.range(0));
    feld->setPlainText(aufgaben(anzahl, 0));
    feld->moveCursor(QTextCursor::End);
    int runde = 0;
    for (auto _ : state) {
        ++runde;
        if (einfuegen) {
            feld->setPlainText(aufgaben(anzahl, runde));
        } else {
            // The last task typed anew, as a key makes it, at the length a task has.
            QTextCursor zeile = feld->textCursor();
            zeile.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            zeile.insertText(QStringLiteral("Pflege der Kundenkartei, Gruppe %1").arg(runde));
        }
    }
    if (!fenster.findChild<QLabel*>(QStringLiteral("lblAufgabenLesart"))
             ->text()
             .contains(QStringLiteral("Gesellig"))) {
        state.SkipWithError("no code read below the tasks");
    }
}

void AufgabenTastendruck(benchmark::State& state) {
    AufgabenMessen(state, false);
}
BENCHMARK(AufgabenTastendruck)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void AufgabenEingefuegt(benchmark::State& state) {
    AufgabenMessen(state, true);
}
BENCHMARK(AufgabenEingefuegt)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
