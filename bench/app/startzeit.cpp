// How long the program takes from its process start to the window shown, and how much memory
// it needs for that, beside a bare Qt Widgets window with as many controls: once with empty
// controls, once with captions, first texts and fonts like the main window's, since laying out
// and drawing text is most of what a window does before its first picture. Run without
// arguments (or with the number of rounds) it starts the three kinds in turns, the order
// rotated from round to round, so that other load on the machine falls on all alike; it prints
// the medians with their quartiles, and the ratios of each round's starts. Beside the wall time
// each start reports its own processor time up to the first picture, which the load of other
// processes barely moves.
#include "app/befehlszeile.h"
#include "app/fensterprogramm.h"
#include "app/uebersetzung.h"
#include "bench/benchplattform.h"
#include "compose/bewertungsbereich.h"
#include "compose/zeugnisdaten.h"

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
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <span>
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
    int obereSeiten = int(velmora::angabenreiter.size() + velmora::zusatzreiter.size());
    int untereSeiten = velmora::anzahlBereiche;
    int zeilen = 13;
    int absaetze = 16;
    int auswahlen = 2;
    int beschriftungen = 84;
    int markierungen = 14;
    int rahmen = 26;
    int optionen = 113;
    int knoepfe = 56;
    int knopfmenues = velmora::anzahlBereiche; // the section pages' choice of text blocks
};

// The texts a control of the captioned window shows: the n-th of its kind gets the n-th text,
// round and round; none for the bare window.
using Texte = std::vector<QString>;

QString text(const Texte& texte, int i) {
    return texte[std::size_t(i) % texte.size()];
}

void beschriften(QWidget* steuerelement, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(steuerelement)) {
        label->setText(text);
    } else if (auto* zeile = qobject_cast<QLineEdit*>(steuerelement)) {
        zeile->setText(text);
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(steuerelement)) {
        knopf->setText(text);
    }
}

template <class Steuerelement>
void verteilen(const std::vector<QBoxLayout*>& seiten, int anzahl, const Texte& texte = {}) {
    for (int i = 0; i < anzahl; ++i) {
        auto* steuerelement = new Steuerelement;
        if (!texte.empty()) {
            beschriften(steuerelement, text(texte, i));
        }
        seiten[std::size_t(i) % seiten.size()]->addWidget(steuerelement);
    }
}

std::vector<QBoxLayout*> seitenAnlegen(QTabWidget* leiste, int anzahl, const Texte& reiter) {
    std::vector<QBoxLayout*> seiten;
    for (int i = 0; i < anzahl; ++i) {
        auto* blatt = new QWidget;
        seiten.push_back(new QVBoxLayout(blatt));
        leiste->addTab(blatt,
                       reiter.empty() ? QStringLiteral("Seite %1").arg(i + 1) : text(reiter, i));
    }
    return seiten;
}

template <class Tabelle> Texte eintraege(const Tabelle& tabelle) {
    Texte ergebnis;
    for (const std::string_view eintrag : tabelle) {
        ergebnis.push_back(QString::fromUtf8(eintrag));
    }
    return ergebnis;
}

template <class Tabelle, class Feld> Texte eintraege(const Tabelle& tabelle, Feld feld) {
    Texte ergebnis;
    for (const auto& eintrag : tabelle) {
        ergebnis.push_back(QString::fromUtf8(eintrag.*feld));
    }
    return ergebnis;
}

// What the main window shows on its controls: tab captions, the boxes' labels and first texts,
// the section pages' headings, grades and buttons; nothing at all on the bare window's.
struct Beschriftung {
    Texte obereReiter;
    Texte untereReiter;
    Texte zeilen;
    Texte anfangstexte;
    Texte ueberschriften;
    Texte noten;
    Texte knoepfe;
};

Beschriftung wieImHauptfenster() {
    Beschriftung texte{
        .obereReiter = {},
        .untereReiter = eintraege(velmora::bewertungsbereiche, &velmora::Bewertungsbereich::reiter),
        .zeilen = eintraege(velmora::eingabefelder, &velmora::Eingabefeld::beschriftung),
        .anfangstexte = eintraege(velmora::eingabefelder, &velmora::Eingabefeld::anfangstext),
        .ueberschriften = {QStringLiteral("Anzeige im Zeugnis"),
                           QString::fromUtf8(velmora::schulnotenUeberschrift)},
        .noten = eintraege(velmora::schulnoten),
        .knoepfe = {QStringLiteral("Te&xt anpassen"), QStringLiteral("Textbaustein verwenden"),
                    QStringLiteral("Textbaustein wiederherstellen"),
                    QStringLiteral("Als Textbaustein speichern")}};
    for (const std::span<const std::string_view> reihe :
         {std::span<const std::string_view>(velmora::angabenreiter),
          std::span<const std::string_view>(velmora::zusatzreiter)}) {
        for (const std::string_view reiter : reihe) {
            texte.obereReiter.push_back(QString::fromUtf8(reiter));
        }
    }
    return texte;
}

QFont arial(double punkte, bool fett = false) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkte);
    schrift.setBold(fett);
    return schrift;
}

// A window with the controls of the main window, built the plain Qt way; captioned, with the
// main window's texts and fonts.
QMainWindow* nacktesFenster(bool beschriftet) {
    const Steuerelemente anzahl;
    const Beschriftung texte = beschriftet ? wieImHauptfenster() : Beschriftung{};
    auto* fenster = new QMainWindow;
    if (beschriftet) {
        // Menus in the window's family at the desktop's size, the rest in 8.25 points.
        QApplication::setFont(arial(QApplication::font().pointSizeF()));
        fenster->setFont(arial(8.25));
    }
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
    const std::vector<QBoxLayout*> obereSeiten =
        seitenAnlegen(oben, anzahl.obereSeiten, texte.obereReiter);
    const std::vector<QBoxLayout*> untereSeiten =
        seitenAnlegen(unten, anzahl.untereSeiten, texte.untereReiter);
    verteilen<QLabel>(obereSeiten, anzahl.zeilen, texte.zeilen);
    verteilen<QLineEdit>(obereSeiten, anzahl.zeilen, texte.anfangstexte);
    verteilen<QComboBox>(obereSeiten, anzahl.auswahlen);
    verteilen<QPlainTextEdit>(untereSeiten, anzahl.absaetze);
    // Each section page's two headings are bold, as the main window's are.
    const int ueberschriften = beschriftet ? 2 * anzahl.untereSeiten : 0;
    verteilen<QLabel>(untereSeiten, ueberschriften, texte.ueberschriften);
    for (QLabel* label : unten->findChildren<QLabel*>()) {
        label->setFont(arial(9, true));
    }
    verteilen<QLabel>(untereSeiten, anzahl.beschriftungen - anzahl.zeilen - ueberschriften);
    verteilen<QCheckBox>(untereSeiten, anzahl.markierungen);
    verteilen<QPushButton>(untereSeiten, anzahl.knoepfe, texte.knoepfe);
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
    verteilen<QRadioButton>(rahmen, anzahl.optionen, texte.noten);
    spalte->addWidget(oben);
    spalte->addWidget(unten);
    fenster->setCentralWidget(mitte);
    fenster->statusBar()->addWidget(new QLabel);
    fenster->statusBar()->addPermanentWidget(new QToolButton);
    return fenster;
}

// One start: builds and shows the window, reports on stdout once it is on the screen. Velmora
// starts as its main() starts it, the check for a program already running included.
int kind(int argc, char** argv, const std::string& art) {
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
    if (art == "velmora") {
        velmora::qtAufDeutsch(anwendung);
        return velmora::fensterprogramm(anwendung, plattform, velmora::Aufruf{});
    }
    const std::unique_ptr<QMainWindow> fenster(nacktesFenster(art == "captioned"));
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
        return kind(argc, argv, argv[2]);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runden = argc == 2 ? std::max(1, std::atoi(argv[1])) : 25;
    constexpr std::array<const char*, 3> arten = {"bare", "captioned", "velmora"};
    // One start of each first, unmeasured: the disk cache holds the libraries from then on.
    for (const char* art : arten) {
        einmal(argv[0], art);
    }
    std::array<std::vector<Messung>, arten.size()> messungen;
    for (int i = 0; i < runden; ++i) {
        for (std::size_t j = 0; j < arten.size(); ++j) {
            const std::size_t art = (j + std::size_t(i)) % arten.size();
            messungen[art].push_back(einmal(argv[0], arten[art]));
        }
    }
    const auto reihe = [](const std::vector<Messung>& messungen, double Messung::*wert) {
        std::vector<double> werte;
        for (const Messung& m : messungen) {
            werte.push_back(m.*wert);
        }
        return werte;
    };
    std::printf("%d rounds; median (quartiles)\n", runden);
    for (std::size_t art = 0; art < arten.size(); ++art) {
        std::printf("%s\n", arten[art]);
        zeile("wall ms", verteilung(reihe(messungen[art], &Messung::millisekunden)),
              "%8.1f  (%.1f – %.1f)");
        zeile("processor ms", verteilung(reihe(messungen[art], &Messung::rechenzeit)),
              "%8.1f  (%.1f – %.1f)");
        zeile("peak RSS MiB", verteilung(reihe(messungen[art], &Messung::mebibytes)),
              "%8.1f  (%.1f – %.1f)");
        zeile("widgets", verteilung(reihe(messungen[art], &Messung::widgets)),
              "%8.0f  (%.0f – %.0f)");
    }
    const std::vector<Messung>& velmora = messungen[2];
    for (std::size_t art = 0; art < 2; ++art) {
        const auto verhaeltnis = [&](double Messung::*wert) {
            std::vector<double> werte;
            for (int i = 0; i < runden; ++i) {
                werte.push_back(velmora[i].*wert / messungen[art][i].*wert);
            }
            return verteilung(werte);
        };
        std::printf("velmora / %s, round by round\n", arten[art]);
        zeile("wall", verhaeltnis(&Messung::millisekunden), "%8.2f  (%.2f – %.2f)");
        zeile("processor", verhaeltnis(&Messung::rechenzeit), "%8.2f  (%.2f – %.2f)");
        zeile("peak RSS", verhaeltnis(&Messung::mebibytes), "%8.2f  (%.2f – %.2f)");
    }
    return 0;
}
