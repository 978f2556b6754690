#include "teamordner/teamdateien.h"

#include "storage/textbausteine.h"

namespace velmora {

namespace {

QString pfad(const Ablage& ablage, std::string_view name) {
    return profilpfad(ablage.ordner, name);
}

bool gescheitert(QString& fehler, const QString& datei, const QString& grund) {
    fehler = QStringLiteral("„%1“: %2").arg(datei, grund);
    return false;
}

// A file of the place, or nothing when there is none.
bool dateiLesen(Plattform& plattform, const Ablage& ablage, std::string_view name,
                qint64 hoechstens, std::optional<QByteArray>& inhalt, QString& fehler) {
    const QString datei = pfad(ablage, name);
    if (!plattform.dateiVorhanden(datei, ablage.art)) {
        return true;
    }
    QString grund;
    // One byte more than allowed tells a file that is too large from one that just fits: a file
    // cut short would be carried to the other places as it is.
    inhalt = plattform.dateiLesen(datei, ablage.art, hoechstens + 1, &grund);
    if (inhalt && inhalt->size() > hoechstens) {
        inhalt.reset();
        grund = QStringLiteral("Die Datei ist größer als %1 MB.").arg(hoechstens >> 20);
    }
    return inhalt || gescheitert(fehler, datei, grund);
}

bool dateiSchreiben(Plattform& plattform, const Ablage& ablage, std::string_view name,
                    const QByteArray& inhalt, QString& fehler) {
    const QString datei = pfad(ablage, name);
    QString grund;
    return plattform.dateiErsetzen(datei, ablage.art, inhalt, &grund) ||
           gescheitert(fehler, datei, grund);
}

} // namespace

bool lesen(Plattform& plattform, const Ablage& ablage, std::optional<Profilstand>& stand,
           QString& fehler) {
    std::optional<QByteArray> profil;
    if (!dateiLesen(plattform, ablage, firmenprofildateiname, hoechsteDateigroesse, profil,
                    fehler)) {
        return false;
    }
    if (!profil) {
        return true;
    }
    stand = Profilstand{firmenprofilLesen(*profil), {}};
    std::optional<QByteArray> logo;
    if (!stand->profil.logo.empty() &&
        !dateiLesen(plattform, ablage, stand->profil.logo, hoechsteLogogroesse, logo, fehler)) {
        return false;
    }
    stand->logo = logo.value_or(QByteArray());
    return true;
}

bool lesen(Plattform& plattform, const Ablage& ablage, std::optional<Textbausteine>& stand,
           QString& fehler) {
    std::optional<QByteArray> inhalt;
    if (!dateiLesen(plattform, ablage, textbausteindateiname, hoechsteDateigroesse, inhalt,
                    fehler)) {
        return false;
    }
    if (inhalt) {
        const QString datei = pfad(ablage, textbausteindateiname);
        Bausteinlesung lesung = textbausteineLesen(*inhalt, datei);
        // A file of blocks that cannot be read is never written over: its blocks would be lost.
        if (!lesung.bausteine) {
            return gescheitert(fehler, datei, lesung.fehler);
        }
        stand = std::move(lesung.bausteine);
    }
    return true;
}

bool schreiben(Plattform& plattform, const Ablage& ablage, const Profilstand& neu,
               const std::optional<Profilstand>& bisher, QString& fehler) {
    const std::string& logo = neu.profil.logo;
    const bool logoNeu = !bisher || bisher->profil.logo != logo || bisher->logo != neu.logo;
    if (!logo.empty() && !neu.logo.isEmpty() && logoNeu &&
        !dateiSchreiben(plattform, ablage, logo, neu.logo, fehler)) {
        return false;
    }
    Firmenprofil profil = neu.profil;
    profil.teamordner = ablage.teamordner.toStdString();
    if (!dateiSchreiben(plattform, ablage, firmenprofildateiname, firmenprofilSchreiben(profil),
                        fehler)) {
        return false;
    }
    if (bisher && !bisher->profil.logo.empty() && bisher->profil.logo != logo) {
        const QString alt = pfad(ablage, bisher->profil.logo);
        QString grund;
        if (!plattform.dateiLoeschen(alt, &grund)) {
            plattform.protokoll(
                QStringLiteral("Das alte Logo „%1“ bleibt liegen: %2").arg(alt, grund));
        }
    }
    return true;
}

bool schreiben(Plattform& plattform, const Ablage& ablage, const Textbausteine& neu,
               const std::optional<Textbausteine>&, QString& fehler) {
    return dateiSchreiben(plattform, ablage, textbausteindateiname, textbausteineSchreiben(neu),
                          fehler);
}

} // namespace velmora
