#include "teamordner/teamabgleich.h"

#include "bausteine/zusammenfuehrung.h"
#include "storage/firmenprofil.h"
#include "teamordner/teamdateien.h"

#include <array>
#include <tuple>

namespace velmora {

namespace {

// A member changed here since the last sync takes this clerk's value.
template <typename T> void uebernehmen(const T& basis, const T& eigen, T& ergebnis) {
    if (eigen != basis) {
        ergebnis = eigen;
    }
}

Profilstand profilZusammenfuehren(const std::optional<Profilstand>& basis,
                                  const std::optional<Profilstand>& eigen,
                                  const std::optional<Profilstand>& fremd) {
    // A folder without a profile takes this clerk's; a clerk new to the folder the team's.
    if (!fremd || (!basis && !eigen)) {
        return eigen.value_or(fremd.value_or(Profilstand()));
    }
    if (!basis) {
        return *fremd;
    }
    // A copy here that is gone is no wish to empty the team's profile.
    const Profilstand hier = eigen.value_or(*basis);
    Profilstand ergebnis = *fremd;
    uebernehmen(basis->profil.firma, hier.profil.firma, ergebnis.profil.firma);
    uebernehmen(basis->profil.briefkopf, hier.profil.briefkopf, ergebnis.profil.briefkopf);
    uebernehmen(basis->profil.ort, hier.profil.ort, ergebnis.profil.ort);
    uebernehmen(basis->profil.unterzeichner, hier.profil.unterzeichner,
                ergebnis.profil.unterzeichner);
    // The logo's name and its picture go together.
    if (std::tie(hier.profil.logo, hier.logo) != std::tie(basis->profil.logo, basis->logo)) {
        ergebnis.profil.logo = hier.profil.logo;
        ergebnis.logo = hier.logo;
    }
    return ergebnis;
}

Textbausteine bausteineZusammenfuehren(const std::optional<Textbausteine>& basis,
                                       const std::optional<Textbausteine>& eigene,
                                       const std::optional<Textbausteine>& fremde,
                                       const QString& benutzer) {
    // A folder without blocks, or one this clerk meets anew, takes them as they are here; a
    // file here that is gone deletes none of the team's.
    const Textbausteine leer;
    const Textbausteine& grund = fremde && basis ? *basis : leer;
    return zusammenfuehren(grund, eigene.value_or(grund), fremde.value_or(leer),
                           benutzer.toStdString());
}

// Writes each of the three places whose file holds other than `neu`, the team folder first:
// a change that did not reach it stays here to be written the next time. A copy of the
// folder is made even when nothing is shared yet, for it records which folder it copies.
// False with `fehler`, and `stelle` the place that failed.
template <typename Stand>
bool verteilen(Plattform& plattform, const std::array<Ablage, 3>& ablagen,
               const std::array<std::optional<Stand>, 3>& bisher, const Stand& neu, QString& fehler,
               std::size_t& stelle) {
    for (stelle = 0; stelle < ablagen.size(); ++stelle) {
        const bool anders = bisher[stelle] ? *bisher[stelle] != neu
                                           : stelle + 1 == ablagen.size() || neu != Stand();
        if (anders && !schreiben(plattform, ablagen[stelle], neu, bisher[stelle], fehler)) {
            return false;
        }
    }
    return true;
}

// A place that failed: the team folder, or the copies in the data folder.
Teamabgleich::Ergebnis gescheitertIn(std::size_t stelle) {
    return stelle == 0 ? Teamabgleich::Ergebnis::Gescheitert
                       : Teamabgleich::Ergebnis::HierGescheitert;
}

} // namespace

Teamabgleich teamordnerAbgleichen(Plattform& plattform, const QString& ordner) {
    Teamabgleich abgleich;
    const Sperrversuch versuch = plattform.teamordnerSperren(ordner);
    if (!versuch.sperre) {
        abgleich.ergebnis = versuch.besetzt() ? Teamabgleich::Ergebnis::Besetzt
                                              : Teamabgleich::Ergebnis::Gescheitert;
        abgleich.inhaber = versuch.vermerk;
        abgleich.fehler = versuch.fehler;
        return abgleich;
    }
    const QString daten = plattform.datenordner();
    const QString stand = daten + QLatin1Char('/') + QLatin1String(teamstandordner);
    // In the order they are written: the folder, the copies this clerk works with, the ground.
    const std::array<Ablage, 3> ablagen = {Ablage{ordner, Dateiart::Team, {}},
                                           Ablage{daten, Dateiart::Eigen, ordner},
                                           Ablage{stand, Dateiart::Eigen, ordner}};
    enum { Ordner, Hier, Basis }; // the folder first, as gescheitertIn() knows; Basis last
    std::array<std::optional<Profilstand>, 3> profile;
    std::array<std::optional<Textbausteine>, 3> bausteine;
    QString fehler;
    if (daten.isEmpty() || !plattform.ordnerAnlegen(stand)) {
        abgleich.ergebnis = Teamabgleich::Ergebnis::HierGescheitert;
        abgleich.fehler = QStringLiteral("„%1“ kann nicht angelegt werden.").arg(stand);
        return abgleich;
    }
    for (std::size_t i = 0; i < ablagen.size(); ++i) {
        if (!lesen(plattform, ablagen[i], profile[i], fehler) ||
            !lesen(plattform, ablagen[i], bausteine[i], fehler)) {
            abgleich.ergebnis = gescheitertIn(i);
            abgleich.fehler = fehler;
            return abgleich;
        }
    }
    // The ground of another folder is none for this one.
    if (!profile[Basis] || profile[Basis]->profil.teamordner != ordner.toStdString()) {
        profile[Basis].reset();
        bausteine[Basis].reset();
    }
    for (auto& eintrag : profile) {
        if (eintrag) {
            eintrag->profil.teamordner.clear();
        }
    }

    const Profilstand profil =
        profilZusammenfuehren(profile[Basis], profile[Hier], profile[Ordner]);
    const Textbausteine liste = bausteineZusammenfuehren(
        bausteine[Basis], bausteine[Hier], bausteine[Ordner], versuch.vermerk.benutzer);
    std::size_t stelle = 0;
    const bool gelungen = verteilen(plattform, ablagen, profile, profil, fehler, stelle) &&
                          verteilen(plattform, ablagen, bausteine, liste, fehler, stelle);
    abgleich.profilNeu = profil != profile[Hier].value_or(Profilstand());
    abgleich.bausteineNeu = liste != bausteine[Hier].value_or(Textbausteine());
    if (!gelungen) {
        abgleich.ergebnis = gescheitertIn(stelle);
        abgleich.fehler = fehler;
    }
    return abgleich;
}

} // namespace velmora
