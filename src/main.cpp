#include "frmzg.h"
#include "programmende.h"
#include "programmstart.h"
#include "programmsymbol.h"
#include "qtplattform.h"

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
