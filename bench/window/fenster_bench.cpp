// Restoring the main window from its settings file and saving it again, as start and close
// do; keeping a change in the recovery file; opening and saving a reference file: the real
// window, the real file layer, a folder of its own.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "files/einstellungen.h"
#include "platform/dateischicht.h"
#include "platform/qtplattform.h"
#include "storage/zeugnisdatei.h"
#include "support/volleinstellungen.h"
#include "window/einstellungsdatei.h"
#include "window/fensterzustand.h"
#include "window/frmzg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// Puts the full state into the window as the settings file would.
void fuellen(frmzg& fenster) {
    Fensterempfaenger empfaenger(fenster);
    einstellungenAnwenden(einstellungenLesen(einstellungenSchreiben(volleEinstellungen())),
                          empfaenger);
}

void FensterAusDateiLaden(benchmark::State& state) {
    Benchplattform plattform;
    const std::string datei = einstellungenSchreiben(volleEinstellungen());
    if (!dateischicht::ersetzen(einstellungspfad(plattform), Dateiart::Eigen,
                                QByteArray(datei.data(), qsizetype(datei.size())), nullptr)) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    frmzg fenster(plattform);
    for (auto _ : state) {
        einstellungenLaden(fenster, plattform);
    }
    if (fensterzustand(fenster) != volleEinstellungen()) {
        state.SkipWithError("the window did not take the file over");
    }
}
BENCHMARK(FensterAusDateiLaden)->Unit(benchmark::kMicrosecond);

// Through the platform layer as at every close: a temporary file, synced, renamed.
void FensterSpeichern(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fuellen(fenster);
    for (auto _ : state) {
        if (einstellungenSpeichern(fenster, plattform)) {
            state.SkipWithError("saving failed");
            break;
        }
    }
}
BENCHMARK(FensterSpeichern)->Unit(benchmark::kMicrosecond);

// The same file written in place, without the sync to disk and the rename, to show what
// the safety of the save costs.
void FensterSpeichernOhneSync(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fuellen(fenster);
    for (auto _ : state) {
        const std::string datei = einstellungenSchreiben(fensterzustand(fenster));
        QFile ablage(einstellungspfad(plattform));
        if (!ablage.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            ablage.write(datei.data(), qint64(datei.size())) != qint64(datei.size())) {
            state.SkipWithError("cannot write the settings file");
            break;
        }
    }
}
BENCHMARK(FensterSpeichernOhneSync)->Unit(benchmark::kMicrosecond);

// What every change the user makes costs: the marker of the title, the window's state as JSON
// and the recovery file replaced atomically, synced to disk. Each click of a show flag changes
// the reference, so that each is written. Target: median under 1 ms.
void AenderungSichern(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fenster.datenSetzen(vollesZeugnis());
    fenster.sicherungBeginnen();
    auto* anzeige = fenster.findChild<QCheckBox*>(QStringLiteral("chkAnz(0)"));
    for (auto _ : state) {
        anzeige->click();
    }
    if (!QFile::exists(plattform.ordner.filePath(QStringLiteral("wiederherstellung.json")))) {
        state.SkipWithError("no recovery file");
    }
}
BENCHMARK(AenderungSichern)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A reference file of the whole reference, in the benchmark's folder.
QString zeugnisdatei(Benchplattform& plattform) {
    const QString pfad = plattform.ordner.filePath(QStringLiteral("Müller, Hans.zeugnis"));
    return dateischicht::ersetzen(pfad, Dateiart::Dokument, zeugnisdateiSchreiben(vollesZeugnis()),
                                  nullptr)
               ? pfad
               : QString();
}

// Opening through the window: read, checked, put into the controls, composed, kept in the
// recovery file. Target: under 5 ms.
void ZeugnisdateiOeffnen(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fenster.sicherungBeginnen();
    const QString pfad = zeugnisdatei(plattform);
    for (auto _ : state) {
        if (!fenster.zeugnisOeffnen(pfad)) {
            state.SkipWithError("not opened");
            break;
        }
    }
}
BENCHMARK(ZeugnisdateiOeffnen)->Unit(benchmark::kMicrosecond);

// "Speichern" in the window: the file replaced atomically and synced, then the recovery file.
// Target: under 5 ms.
void ZeugnisdateiSpeichern(benchmark::State& state) {
    Benchplattform plattform;
    frmzg fenster(plattform);
    fenster.sicherungBeginnen();
    if (!fenster.zeugnisOeffnen(zeugnisdatei(plattform))) {
        state.SkipWithError("not opened");
        return;
    }
    QAction* speichern = fenster.findChild<QAction*>(QStringLiteral("mnuSpeichern"));
    for (auto _ : state) {
        speichern->trigger();
    }
}
BENCHMARK(ZeugnisdateiSpeichern)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return qtBenchmarksAusfuehren<QApplication>(argc, argv);
}
