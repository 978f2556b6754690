// Another clerk in a process of its own, on a team folder:
//   halten ORDNER BENUTZER RECHNER  holds the folder's lock, says "bereit" and lets go when its
//                                    standard input ends;
//   speichern ORDNER DATENORDNER ID NAME  adds a text block in its data folder and syncs with the
//                                    folder as the program does (exit status 0: synced).
#include "platform/dateischicht.h"
#include "platform/qtplattform.h"
#include "storage/firmenprofil.h"
#include "storage/textbausteine.h"
#include "teamordner/teamabgleich.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace velmora;

namespace {

int halten(const QStringList& argumente) {
    const Sperrversuch versuch = dateischicht::teamSperren(
        argumente.value(2), {argumente.value(3), argumente.value(4), QDateTime::currentDateTime()},
        std::chrono::milliseconds(0));
    if (!versuch.sperre) {
        return 1;
    }
    std::printf("bereit\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

int speichern(const QStringList& argumente) {
    const QString ordner = argumente.value(2);
    const QString daten = argumente.value(3);
    // Made first, so that the data folder is this one and never the user's own.
    QtPlattform plattform(Umgebung{daten, {}});
    if (!QDir().mkpath(daten) || plattform.datenordner() != daten) {
        return 2;
    }
    Firmenprofil profil;
    profil.teamordner = ordner.toStdString();
    const QString bausteindatei = profilpfad(daten, textbausteindateiname);
    Textbausteine bausteine;
    if (const auto inhalt = eigeneDateiLesen(plattform, bausteindatei).inhalt) {
        bausteine = textbausteineLesen(*inhalt, bausteindatei).bausteine.value_or(bausteine);
    }
    bausteine.push_back({argumente.value(4).toStdString(), argumente.value(5).toStdString(), 1, 1,
                         Zeugnisart::Endzeugnis, "Text"});
    if (!plattform.dateiErsetzen(profilpfad(daten, firmenprofildateiname), Dateiart::Eigen,
                                 firmenprofilSchreiben(profil), nullptr) ||
        !plattform.dateiErsetzen(bausteindatei, Dateiart::Eigen, textbausteineSchreiben(bausteine),
                                 nullptr)) {
        return 1;
    }
    const Teamabgleich abgleich = teamordnerAbgleichen(plattform, ordner);
    std::fprintf(stderr, "%s\n", qPrintable(abgleich.fehler));
    return abgleich.ergebnis == Teamabgleich::Ergebnis::Abgeglichen ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication anwendung(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    return argumente.value(1) == QLatin1String("halten") ? halten(argumente) : speichern(argumente);
}
