// The check before a reference goes out, shown in the window: each finding leads to its tab.
#include "platform/plattform.h"
#include "window/frmzg.h"
#include "window/zeugnispruefung.h"

namespace velmora {

namespace {

QStringList eintraege(const std::vector<Befund>& befunde) {
    QStringList zeilen;
    for (const Befund& befund : befunde) {
        zeilen.append(befund.bereich + QStringLiteral(": ") + befund.text);
    }
    return zeilen;
}

} // namespace

bool frmzg::ausgabeFreigeben() {
    eingabeAbschliessen();
    const std::vector<Befund> befunde = zeugnisPruefen(daten(), QDate::currentDate());
    if (befunde.empty()) {
        return true;
    }
    // Back is the default: Enter and a double-click on a finding lead to it.
    const Plattform::Listenwahl wahl = plattform.listeZeigen(
        this, QStringLiteral("Zeugnis prüfen"),
        QStringLiteral("Bevor das Zeugnis ausgegeben wird, sollten Sie sich Folgendes ansehen:"),
        eintraege(befunde), {QStringLiteral("Zurück"), QStringLiteral("Trotzdem fortfahren")});
    if (wahl.knopf == 1) {
        return true;
    }
    if (wahl.knopf == 0 && wahl.eintrag >= 0) {
        const Reiterziel& ziel = befunde[wahl.eintrag].ziel;
        reiterSetzen(ziel.leiste, ziel.reiter);
    }
    return false;
}

void frmzg::pruefungZeigen() {
    eingabeAbschliessen();
    const std::vector<Befund> befunde = zeugnisPruefen(daten(), QDate::currentDate());
    if (befunde.empty()) {
        plattform.meldung(this, QStringLiteral("Zeugnis prüfen"),
                          QStringLiteral("Die Prüfung hat nichts gefunden."),
                          Meldungssymbol::Information);
        return;
    }
    const Plattform::Listenwahl wahl = plattform.listeZeigen(
        this, QStringLiteral("Zeugnis prüfen"),
        QStringLiteral("Die Prüfung hat Folgendes gefunden:"), eintraege(befunde),
        {QStringLiteral("Zum Abschnitt"), QStringLiteral("Schließen")});
    if (wahl.knopf == 0 && wahl.eintrag >= 0) {
        const Reiterziel& ziel = befunde[wahl.eintrag].ziel;
        reiterSetzen(ziel.leiste, ziel.reiter);
    }
}

} // namespace velmora
