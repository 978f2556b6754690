#include "app/befehlszeile.h"
#include "app/programmende.h"
#include "app/programmstart.h"
#include "platform/qtplattform.h"
#include "ui/programmsymbol.h"
#include "window/frmzg.h"

#include <QApplication>

namespace {

QStringList argumenteNachDemNamen(int argc, char* argv[]) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        argumente.append(QString::fromLocal8Bit(argv[i]));
    }
    return argumente;
}

} // namespace

int main(int argc, char* argv[]) {
    // The export, the help and the version need no display: they are decided before any
    // window toolkit is started.
    if (const QStringList argumente = argumenteNachDemNamen(argc, argv);
        !velmora::fuerDasFenster(argumente)) {
        QCoreApplication anwendung(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("velmora"));
        velmora::QtPlattform plattform;
        return velmora::ohneFensterAusfuehren(velmora::aufrufLesen(argumente), plattform);
    }

    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    velmora::QtPlattform plattform;
    const velmora::Aufruf aufruf = velmora::aufrufLesen(QApplication::arguments().mid(1));
    if (aufruf.art != velmora::Aufruf::Art::Fenster) {
        return velmora::ohneFensterAusfuehren(aufruf, plattform);
    }
    velmora::endeMitDemLetztenFenster(anwendung);
    anwendung.setWindowIcon(velmora::programmsymbol());

    velmora::frmzg fenster(plattform);
    velmora::programmstart(fenster, plattform, aufruf.datei);
    return anwendung.exec();
}
