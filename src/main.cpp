#include "frmzg.h"
#include "programmende.h"
#include "qtplattform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    velmora::endeMitDemLetztenFenster(anwendung);

    velmora::QtPlattform plattform;
    velmora::frmzg fenster(plattform);
    fenster.show();
    return anwendung.exec();
}
