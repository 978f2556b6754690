// The preview window following a change of the main window: the document built from the
// window's state and laid out anew (what the preview does once the changes rest), with and without
// a company profile whose logo is a photograph of some megabytes, with 10, 100 and 1,000 tasks,
// and a paint of the visible page from what was laid out.
#include "bench/benchplattform.h"
#include "bench/qtbenchmark.h"
#include "platform/qtplattform.h"
#include "storage/firmenprofil.h"
#include "support/testzeugnis.h"
#include "window/frmzg.h"
#include "window/zeugnisvorschau.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace velmora;

namespace {

// A logo that compresses badly: noise, as a PNG of about two megabytes.
QByteArray photo() {
    QImage bild(1000, 500, QImage::Format_RGB32);
    std::mt19937 zufall(7);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            bild.setPixel(x, y, zufall() & 0xFFFFFF);
        }
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

void ablegen(const QString& ordner, std::string_view name, const QByteArray& inhalt) {
    QFile datei(profilpfad(ordner, name));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
        qFatal("cannot write %s", name.data());
    }
}

struct Fenster {
    Benchplattform plattform;
    frmzg hauptfenster{plattform};
    Zeugnisvorschau* vorschau;

    explicit Fenster(bool mitLogo = false, int aufgaben = 0) {
        if (mitLogo) {
            const QString ordner = plattform.datenordner();
            ablegen(ordner, logodateinamen[0], photo());
            ablegen(ordner, firmenprofildateiname,
                    firmenprofilSchreiben({"Zevuz GmbH",
                                           {"Zevuz GmbH", "Königsallee 1 · 40212 Düsseldorf"},
                                           std::string(logodateinamen[0]),
                                           "Düsseldorf",
                                           {}}));
        }
        Zeugnisdaten daten = test::alleBewertet(frau);
        for (int i = 0; i < aufgaben; ++i) {
            daten.aufgaben.liste.push_back("Pflege der Kundenstammdaten im "
                                           "Warenwirtschaftssystem, Nr. " +
                                           std::to_string(i));
        }
        hauptfenster.datenSetzen(daten);
        hauptfenster.show();
        hauptfenster.findChild<QAction*>(QStringLiteral("mnuVorschau"))->trigger();
        vorschau = hauptfenster.findChild<Zeugnisvorschau*>();
    }
    // What the preview does once a change has come to rest.
    void nachziehen() { vorschau->dokumentZeigen(hauptfenster.vorschauausgabe().modell); }
};

void VorschauNachAenderung(benchmark::State& state) {
    Fenster fenster(state.range(0) == 1);
    for (auto _ : state) {
        fenster.nachziehen();
    }
    const Seitensatz& satz = fenster.vorschau->satz();
    if (satz.seiten.empty() || satz.seiten[0].bilder.size() != std::size_t(state.range(0))) {
        state.SkipWithError("the preview does not show what it should");
    }
}
// 0: without a company profile, 1: with the profile and its logo.
BENCHMARK(VorschauNachAenderung)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void VorschauMitAufgaben(benchmark::State& state) {
    Fenster fenster(false, int(state.range(0)));
    for (auto _ : state) {
        fenster.nachziehen();
    }
}
BENCHMARK(VorschauMitAufgaben)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

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
