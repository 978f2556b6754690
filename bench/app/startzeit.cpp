// How long the program takes from its process start to the window shown, and how much memory
// it needs for that, beside a bare Qt Widgets window with as many controls. Run without
// arguments (or with the number of pairs) it starts both kinds in turns, the order switched
// from pair to pair, so that other load on the machine falls on both alike; it prints the
// medians with their quartiles, and the ratio of each pair's two starts. Beside the wall time
// each start reports its own processor time up to the first picture, which the load of other
// processes barely moves.
#include "app/befehlszeile.h"
#include "app/fensterprogramm.h"
#include "app/uebersetzung.h"
#include "bench/benchplattform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

// Opens no browser at the start.
class Startplattform : public velmora::Benchplattform {
public:
    bool oeffnen(const QString&) override { return true; }
};

// The main window's controls by kind, as many of each as it has: the upper strip's pages hold
// the one-line boxes, the lower strip's the sections, each with its frames of option buttons.
struct Steuerelemente {
    int obereSeiten = 4;
    int untereSeiten = 13;
    int zeilen = 13;
    int absaetze = 16;
    int auswahlen = 2;
    int beschriftungen = 84;
    int markierungen = 14;
    int rahmen = 26;
    int optionen = 113;
    int knoepfe = 56;
    int knopfmenues = 13; // the section pages' choice of text blocks
};

template <class Steuerelement> void verteilen(const std::vector<QBoxLayout*>& seiten, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        seiten[std::size_t(i) % seiten.size()]->addWidget(new Steuerelement);
    }
}

std::vector<QBoxLayout*> seitenAnlegen(QTabWidget* leiste, int anzahl) {
    std::vector<QBoxLayout*> seiten;
    for (int i = 0; i < anzahl; ++i) {
        auto* blatt = new QWidget;
        seiten.push_back(new QVBoxLayout(blatt));
        leiste->addTab(blatt, QStringLiteral("Seite %1").arg(i + 1));
    }
    return seiten;
}

// A window with the controls of the main window, built the plain Qt way.
QMainWindow* nacktesFenster() {
    const Steuerelemente anzahl;
    auto* fenster = new QMainWindow;
    for (const char* menue : {"&Datei", "Anal&yse", "&Hilfe"}) {
        QMenu* eintraege = fenster->menuBar()->addMenu(QString::fromUtf8(menue));
        for (int i = 0; i < 8; ++i) {
            eintraege->addAction(QStringLiteral("Eintrag %1").arg(i + 1));
        }
    }
    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    auto* oben = new QTabWidget;
    auto* unten = new QTabWidget;
    const std::vector<QBoxLayout*> obereSeiten = seitenAnlegen(oben, anzahl.obereSeiten);
    const std::vector<QBoxLayout*> untereSeiten = seitenAnlegen(unten, anzahl.untereSeiten);
    verteilen<QLabel>(obereSeiten, anzahl.zeilen);
    verteilen<QLineEdit>(obereSeiten, anzahl.zeilen);
    verteilen<QComboBox>(obereSeiten, anzahl.auswahlen);
    verteilen<QPlainTextEdit>(untereSeiten, anzahl.absaetze);
    verteilen<QLabel>(untereSeiten, anzahl.beschriftungen - anzahl.zeilen);
    verteilen<QCheckBox>(untereSeiten, anzahl.markierungen);
    verteilen<QPushButton>(untereSeiten, anzahl.knoepfe);
    const QList<QPushButton*> knoepfe = unten->findChildren<QPushButton*>();
    for (int i = 0; i < anzahl.knopfmenues; ++i) {
        knoepfe[i]->setMenu(new QMenu(knoepfe[i]));
    }
    std::vector<QBoxLayout*> rahmen;
    for (int i = 0; i < anzahl.rahmen; ++i) {
        auto* gruppe = new QFrame;
        gruppe->setFrameShape(QFrame::Box);
        rahmen.push_back(new QVBoxLayout(gruppe));
        untereSeiten[std::size_t(i) % untereSeiten.size()]->addWidget(gruppe);
    }
    verteilen<QRadioButton>(rahmen, anzahl.optionen);
    spalte->addWidget(oben);
    spalte->addWidget(unten);
    fenster->setCentralWidget(mitte);
    fenster->statusBar()->addWidget(new QLabel);
    fenster->statusBar()->addPermanentWidget(new QToolButton);
    return fenster;
}

// One start: builds and shows the window, reports on stdout once it is on the screen. Velmora
// starts as its main() starts it, the check for a program already running included.
int kind(int argc, char** argv, bool velmora) {
    QApplication anwendung(argc, argv);
    Startplattform plattform;
    // The window is shown before the event loop runs; the loop's second turn comes after the
    // events of showing it (layout, expose, first paint).
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            timespec rechenzeit{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &rechenzeit);
            // Its processor time until now, and how many widgets it built.
            std::printf("gezeigt %.3f %lld\n",
                        double(rechenzeit.tv_sec) * 1e3 + double(rechenzeit.tv_nsec) / 1e6,
                        static_cast<long long>(QApplication::allWidgets().size()));
            std::fflush(stdout);
            anwendung.quit();
        });
    });
    if (velmora) {
        velmora::qtAufDeutsch(anwendung);
        return velmora::fensterprogramm(anwendung, plattform, velmora::Aufruf{});
    }
    const std::unique_ptr<QMainWindow> fenster(nacktesFenster());
    fenster->show();
    return anwendung.exec();
}

struct Messung {
    double millisekunden; // from the spawn to the window shown
    double rechenzeit;    // the start's own processor time until then
    double mebibytes;     // peak resident memory
    double widgets;       // as many as the window holds
};

Messung einmal(const char* programm, const char* art) {
    int rohr[2];
    if (pipe(rohr) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    // Qt's notes about the offscreen platform would bury the table.
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argumente[] = {const_cast<char*>(programm), const_cast<char*>("--kind"),
                         const_cast<char*>(art), nullptr};
    const auto anfang = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, programm, &aktionen, nullptr, argumente, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    close(rohr[1]);
    char puffer[64] = {};
    const ssize_t gelesen = read(rohr[0], puffer, sizeof puffer - 1);
    const auto gezeigt = std::chrono::steady_clock::now();
    close(rohr[0]);
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    posix_spawn_file_actions_destroy(&aktionen);
    double rechenzeit = 0;
    double widgets = 0;
    if (gelesen <= 0 || std::sscanf(puffer, "gezeigt %lf %lf", &rechenzeit, &widgets) != 2 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s start failed\n", art);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(gezeigt - anfang).count(), rechenzeit,
            double(verbrauch.ru_maxrss) / 1024, widgets};
}

// Median and quartiles of a series.
struct Verteilung {
    double unten, mitte, oben;
};
Verteilung verteilung(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return {werte[n / 4], werte[n / 2], werte[(3 * n) / 4]};
}

void zeile(const char* name, const Verteilung& v, const char* format) {
    std::printf("  %-22s", name);
    std::printf(format, v.mitte, v.unten, v.oben);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--kind") == 0) {
        return kind(argc, argv, std::strcmp(argv[2], "velmora") == 0);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int paare = argc == 2 ? std::max(1, std::atoi(argv[1])) : 25;
    // One start of each first, unmeasured: the disk cache holds the libraries from then on.
    einmal(argv[0], "bare");
    einmal(argv[0], "velmora");
    std::vector<Messung> nackt;
    std::vector<Messung> velmora;
    for (int i = 0; i < paare; ++i) {
        if (i % 2 == 0) {
            nackt.push_back(einmal(argv[0], "bare"));
            velmora.push_back(einmal(argv[0], "velmora"));
        } else {
            velmora.push_back(einmal(argv[0], "velmora"));
            nackt.push_back(einmal(argv[0], "bare"));
        }
    }
    const auto reihe = [](const std::vector<Messung>& messungen, double Messung::*wert) {
        std::vector<double> werte;
        for (const Messung& m : messungen) {
            werte.push_back(m.*wert);
        }
        return werte;
    };
    const auto verhaeltnis = [&](double Messung::*wert) {
        std::vector<double> werte;
        for (int i = 0; i < paare; ++i) {
            werte.push_back(velmora[i].*wert / nackt[i].*wert);
        }
        return verteilung(werte);
    };
    std::printf("%d pairs; median (quartiles)\n", paare);
    for (const auto& [name, messungen] :
         {std::pair{"bare", &nackt}, std::pair{"velmora", &velmora}}) {
        std::printf("%s\n", name);
        zeile("wall ms", verteilung(reihe(*messungen, &Messung::millisekunden)),
              "%8.1f  (%.1f – %.1f)");
        zeile("processor ms", verteilung(reihe(*messungen, &Messung::rechenzeit)),
              "%8.1f  (%.1f – %.1f)");
        zeile("peak RSS MiB", verteilung(reihe(*messungen, &Messung::mebibytes)),
              "%8.1f  (%.1f – %.1f)");
        zeile("widgets", verteilung(reihe(*messungen, &Messung::widgets)), "%8.0f  (%.0f – %.0f)");
    }
    std::printf("velmora / bare, pair by pair\n");
    zeile("wall", verhaeltnis(&Messung::millisekunden), "%8.2f  (%.2f – %.2f)");
    zeile("processor", verhaeltnis(&Messung::rechenzeit), "%8.2f  (%.2f – %.2f)");
    zeile("peak RSS", verhaeltnis(&Messung::mebibytes), "%8.2f  (%.2f – %.2f)");
    return 0;
}
