// A first instance in a process of its own: holds the data folder named on the command line,
// says "bereit" and then prints every command line a later start hands over, and on the next
// line the folder it was given in.
#include "platform/einzelinstanz.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication anwendung(argc, argv);
    velmora::Einzelinstanz instanz(QCoreApplication::arguments().value(1));
    if (instanz.anmelden({}).art != velmora::Einzelinstanz::Anmeldung::Art::Erste) {
        return 1;
    }
    instanz.dienstStarten();
    QObject::connect(&instanz, &velmora::Einzelinstanz::weitererStart,
                     [](const QStringList& argumente, const QString& arbeitsordner) {
                         std::printf("%s\n%s\n", qPrintable(argumente.join(QLatin1Char('|'))),
                                     qPrintable(arbeitsordner));
                         std::fflush(stdout);
                     });
    std::printf("bereit\n");
    std::fflush(stdout);
    return anwendung.exec();
}
