// The outputs of a fully graded reference, and writing the document to disk as the export
// does: a new file, never replacing one.
#include "output/docxdokument.h"
#include "output/dokument.h"
#include "output/klartext.h"
#include "platform/dateischicht.h"
#include "support/datentabelle.h"
#include "support/testzeugnis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

struct Zeugnis {
    Zeugnisdaten daten = anfangsdaten();
    AngezeigteVorschautexte texte;

    Zeugnis() {
        daten.geschlecht = frau;
        daten.text(Eingabe::Name) = "Müller-Lüdenscheidt";
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            daten.bereich(bereich).note = 2;
            daten.bereich(bereich).anzeige = anzeigeAn;
        }
        texte = komponierteVorschautexte(daten);
    }
};

void Klartext(benchmark::State& state) {
    const Zeugnis zeugnis;
    for (auto _ : state) {
        benchmark::DoNotOptimize(klartext(zeugnis.daten, zeugnis.texte));
    }
}
BENCHMARK(Klartext);

// The same reference ready to sign: tasks as a list, achievements, the signatory's lines.
void KlartextMitAufgaben(benchmark::State& state) {
    Zeugnis zeugnis;
    zeugnis.daten.aufgaben = {"Einkauf",
                              {"Angebote einholen und vergleichen", "", "Lieferanten bewerten",
                               "Rahmenverträge verhandeln", "Bestände planen"},
                              "Sie senkte die Einkaufskosten\nim Jahr 2024 um 12 %."};
    zeugnis.daten.unterzeichner = {"Dr. Eva Roth", "Personalleiterin", "ppa."};
    for (auto _ : state) {
        benchmark::DoNotOptimize(klartext(zeugnis.daten, zeugnis.texte));
    }
}
BENCHMARK(KlartextMitAufgaben);

void DokumentMitBasis(benchmark::State& state) {
    const Zeugnis zeugnis;
    const std::string inhalt = test::dateiinhalt(VELMORA_TEMP_DOC);
    if (inhalt.empty()) {
        state.SkipWithError("no temp.doc");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(test::zeugnisdokument(zeugnis.daten, zeugnis.texte, inhalt));
    }
}
BENCHMARK(DokumentMitBasis);

// The Word document in memory, from the inputs to the archive's bytes.
void Docx(benchmark::State& state) {
    const Zeugnis zeugnis;
    for (auto _ : state) {
        benchmark::DoNotOptimize(docxDokument(zeugnismodell(zeugnis.daten, zeugnis.texte)));
    }
}
BENCHMARK(Docx)->Unit(benchmark::kMicrosecond);

void DokumentSchreiben(benchmark::State& state) {
    const Zeugnis zeugnis;
    const QByteArray rtf =
        QByteArray::fromStdString(test::zeugnisdokument(zeugnis.daten, zeugnis.texte, {}));
    QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("Zeugnis.doc"));
    for (auto _ : state) {
        if (dateischicht::neuAnlegen(pfad, Dateiart::Dokument, rtf, nullptr) !=
            Neuanlage::Angelegt) {
            state.SkipWithError("cannot write");
            break;
        }
        state.PauseTiming();
        QFile::remove(pfad);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(DokumentSchreiben)->Unit(benchmark::kMicrosecond);

} // namespace
