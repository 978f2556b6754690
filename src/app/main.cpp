#include "app/programmende.h"
#include "app/programmstart.h"
#include "platform/qtplattform.h"
#include "ui/programmsymbol.h"
#include "window/frmzg.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    velmora::endeMitDemLetztenFenster(anwendung);
    anwendung.setWindowIcon(velmora::programmsymbol());

    velmora::QtPlattform plattform;
    velmora::frmzg fenster(plattform);
    velmora::programmstart(fenster, plattform);
    return anwendung.exec();
}
