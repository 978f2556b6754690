#include "analyse/analyse.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// A reference of two pages as people write them: 30 sentences, heading, list and signature.
constexpr std::string_view zweiSeiten = R"(Musterbau GmbH
Industriestraße 12
40210 Düsseldorf

ARBEITSZEUGNIS

Frau Dipl.-Kffr. Sabine Beispiel, geb. am 12.03.1985 in Köln, war vom 1. April 2015 bis zum 31. März 2023 als Referentin Controlling in unserem Unternehmen tätig.

Die Musterbau GmbH ist ein mittelständisches Bauunternehmen mit rund 400 Beschäftigten.

Zu ihren Aufgaben gehörten insbesondere:
– Erstellung der Monats- und Jahresabschlüsse
– Planung und Steuerung der Budgets
– Berichte an die Geschäftsführung
– Betreuung des Berichtswesens, z. B. der Kennzahlen

Frau Beispiel verfügte über ein umfassendes und fundiertes Fachwissen, das sie stets sicher und zielgerichtet einsetzte. Auch in angrenzenden Gebieten kannte sie sich sehr gut aus. Sie bildete sich regelmäßig durch Seminare zum Steuerrecht weiter und setzte das Gelernte erfolgreich um. Neue Aufgaben erfasste sie stets schnell und sicher. Dank ihrer sehr schnellen Auffassungsgabe fand sie sich jederzeit in neue Sachverhalte ein.

Ihr analytisches Denkvermögen und ihr sicheres Urteil ermöglichten ihr stets treffende Entscheidungen. Frau Beispiel zeigte stets hohe Einsatzbereitschaft und Eigeninitiative. Sie identifizierte sich voll mit ihren Aufgaben. Auch unter hohem Termindruck behielt sie stets die Übersicht und war jederzeit belastbar. Sie arbeitete stets selbstständig, sorgfältig und zuverlässig. Ihre Arbeitsweise war von Genauigkeit und Umsicht geprägt.

Die Qualität ihrer Arbeitsergebnisse war stets sehr gut. Für schwierige Fragen fand sie wirksame Lösungen. Sie leitete ein Team von vier Mitarbeitern, das sie stets zu guten Leistungen motivierte. Als Vorgesetzte war sie anerkannt und geschätzt.

Frau Beispiel erledigte die ihr übertragenen Aufgaben stets zu unserer vollen Zufriedenheit. Ihr Verhalten gegenüber Vorgesetzten, Kollegen und Kunden war stets einwandfrei. Bei Kolleginnen und Kollegen war sie beliebt.

Frau Beispiel verlässt uns zum 31.03.2023 auf eigenen Wunsch, um sich einer neuen Herausforderung zu stellen. Wir bedauern ihr Ausscheiden, danken ihr für die gute Zusammenarbeit und wünschen ihr für die Zukunft alles Gute und weiterhin viel Erfolg.

Düsseldorf, 31. März 2023

Musterbau GmbH

i. V. Karl Huber
Leiter Finanzen
Seite 2 von 2
)";

void ZweiSeiten(benchmark::State& state, bool bekannteTexte) {
    Analyseoptionen optionen;
    optionen.bekannteTexte = bekannteTexte;
    zeugnisAnalysieren("ZEUGNIS"); // the known texts are built once, at the first call
    std::size_t saetze = 0;
    for (auto _ : state) {
        const Analyse a = zeugnisAnalysieren(zweiSeiten, optionen);
        saetze = a.saetze.size();
        benchmark::DoNotOptimize(a);
    }
    state.counters["Sätze"] = static_cast<double>(saetze);
}

void ZweiSeitigesZeugnis(benchmark::State& state) {
    ZweiSeiten(state, true);
}

void ZweiSeitigesZeugnisNurRegeln(benchmark::State& state) {
    ZweiSeiten(state, false);
}

} // namespace

BENCHMARK(ZweiSeitigesZeugnis)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZweiSeitigesZeugnisNurRegeln)->Unit(benchmark::kMicrosecond);
