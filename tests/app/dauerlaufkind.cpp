// The program the soak test kills: the real window on the real file layer, its data folder
// the folder given, edited at random from the seed given; after each edit the window has
// taken, its number on standard output. Then it waits for its end.
#include "app/programmstart.h"
#include "platform/qtplattform.h"
#include "support/zufallsbearbeitung.h"

#include <QApplication>

#include <cstdio>

namespace {

// Opens no browser at the start.
class Kindplattform : public velmora::QtPlattform {
public:
    using QtPlattform::QtPlattform;
    bool oeffnen(const QString&) override { return true; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    if (argc != 4) {
        std::fputs("Aufruf: velmora_dauerlaufkind ORDNER STARTWERT ANZAHL\n", stderr);
        return 2;
    }
    Kindplattform plattform(velmora::Umgebung{QString::fromLocal8Bit(argv[1]), {}});
    velmora::frmzg fenster(plattform);
    velmora::programmstart(fenster, plattform);
    if (!QTest::qWaitForWindowActive(&fenster)) {
        return 1;
    }
    std::mt19937 zufall(static_cast<unsigned>(std::atoi(argv[2])));
    for (int i = 0, anzahl = std::atoi(argv[3]); i < anzahl; ++i) {
        velmora::test::zufaelligBearbeiten(fenster, zufall);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return anwendung.exec();
}
