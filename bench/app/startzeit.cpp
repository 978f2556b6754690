// How long the program takes from its process start to the window shown, and how much memory
// it needs for that, beside a bare Qt Widgets window with as many controls. Run without
// arguments it starts both kinds several times (offscreen) and prints the medians and peaks.
#include "app/befehlszeile.h"
#include "app/fensterprogramm.h"
#include "app/uebersetzung.h"
#include "bench/benchplattform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Opens no browser at the start.
class Startplattform : public velmora::Benchplattform {
public:
    bool oeffnen(const QString&) override { return true; }
};

// A window with the controls of the main window, built the plain Qt way.
QMainWindow* nacktesFenster() {
    auto* fenster = new QMainWindow;
    for (const char* eintrag : {"&Beenden", "&Info", "&Unterstützen"}) {
        fenster->menuBar()->addAction(QString::fromUtf8(eintrag));
    }
    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    auto* oben = new QTabWidget;
    for (int seite = 0; seite < 3; ++seite) {
        auto* blatt = new QWidget;
        auto* felder = new QVBoxLayout(blatt);
        for (int i = 0; i < 5; ++i) {
            felder->addWidget(new QLabel(QStringLiteral("Feld")));
            felder->addWidget(new QLineEdit(QStringLiteral("Text")));
        }
        oben->addTab(blatt, QStringLiteral("Seite"));
    }
    oben->addTab(new QPlainTextEdit(QStringLiteral("Hinweis")), QStringLiteral("Hinweis"));
    auto* unten = new QTabWidget;
    for (int bereich = 0; bereich < 13; ++bereich) {
        auto* blatt = new QWidget;
        auto* zeile = new QVBoxLayout(blatt);
        zeile->addWidget(new QLabel(QStringLiteral("Anzeige im Zeugnis")));
        zeile->addWidget(new QCheckBox);
        for (int note = 1; note <= 6; ++note) {
            zeile->addWidget(new QRadioButton(QString::number(note)));
        }
        zeile->addWidget(new QLabel(QStringLiteral("Vorschau")));
        unten->addTab(blatt, QStringLiteral("Bereich"));
    }
    spalte->addWidget(new QComboBox);
    spalte->addWidget(oben);
    spalte->addWidget(unten);
    for (int i = 0; i < 3; ++i) {
        spalte->addWidget(new QPushButton(QStringLiteral("Knopf")));
    }
    fenster->setCentralWidget(mitte);
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
            std::fputs("gezeigt\n", stdout);
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
    double millisekunden;
    long kilobytes;
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
    char puffer[16];
    const ssize_t gelesen = read(rohr[0], puffer, sizeof puffer);
    const auto gezeigt = std::chrono::steady_clock::now();
    close(rohr[0]);
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    posix_spawn_file_actions_destroy(&aktionen);
    if (gelesen <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s start failed\n", art);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(gezeigt - anfang).count(),
            verbrauch.ru_maxrss};
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--kind") == 0) {
        return kind(argc, argv, std::strcmp(argv[2], "velmora") == 0);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    constexpr int laeufe = 15;
    std::printf("%-10s %12s %12s %14s\n", "window", "median ms", "best ms", "peak RSS MiB");
    for (const char* art : {"bare", "velmora", "bare", "velmora"}) {
        std::vector<Messung> messungen;
        for (int i = 0; i < laeufe; ++i) {
            messungen.push_back(einmal(argv[0], art));
        }
        std::sort(messungen.begin(), messungen.end(), [](const Messung& a, const Messung& b) {
            return a.millisekunden < b.millisekunden;
        });
        long spitze = 0;
        for (const Messung& m : messungen) {
            spitze = std::max(spitze, m.kilobytes);
        }
        std::printf("%-10s %12.1f %12.1f %14.1f\n", art, messungen[laeufe / 2].millisekunden,
                    messungen.front().millisekunden, spitze / 1024.0);
    }
    return 0;
}
