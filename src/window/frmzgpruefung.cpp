// The check before a reference goes out, shown in the window: each finding leads to its tab and
// into the box it names.
#include "platform/plattform.h"
#include "render/schriftabdeckung.h"
#include "window/frmzg.h"
#include "window/textfelder.h"
#include "window/zeugnispruefung.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

QStringList eintraege(const std::vector<Befund>& befunde) {
    QStringList zeilen;
    for (const Befund& befund : befunde) {
        zeilen.append(befund.bereich + QStringLiteral(": ") + befund.text);
    }
    return zeilen;
}

// Characters the PDF and the print would show as empty boxes, by the box that holds them.
std::vector<Befund> schriftbefunde(const Zeugnisdaten& daten) {
    std::vector<Befund> befunde;
    for (const Textfeld& feld : textfelder(daten)) {
        const QString fehlend = nichtDarstellbar(QString::fromStdString(feld.text));
        if (!fehlend.isEmpty()) {
            befunde.push_back(
                {feld.name,
                 QStringLiteral("Diese Zeichen kann die Schrift nicht darstellen: %1").arg(fehlend),
                 {obereLeiste, feld.reiter}});
        }
    }
    return befunde;
}

} // namespace

std::optional<int> frmzg::pruefen(const QString& text, const QStringList& knoepfe, bool gesetzt) {
    eingabeAbschliessen();
    const Zeugnisdaten jetzt = daten();
    std::vector<Befund> befunde = zeugnisPruefen(jetzt, QDate::currentDate());
    if (gesetzt) {
        std::ranges::move(schriftbefunde(jetzt), std::back_inserter(befunde));
    }
    if (befunde.empty()) {
        return std::nullopt;
    }
    const Plattform::Listenwahl wahl = plattform.listeZeigen(this, QStringLiteral("Zeugnis prüfen"),
                                                             text, eintraege(befunde), knoepfe);
    if (wahl.knopf == 0 && wahl.eintrag >= 0) {
        const Befund& befund = befunde[wahl.eintrag];
        reiterSetzen(befund.ziel.leiste, befund.ziel.reiter);
        if (befund.box == geschlechtsbox) {
            cmbang->setFocus();
        } else if (befund.box != keineBox) {
            txtang[befund.box]->setFocus();
        }
    }
    return wahl.knopf;
}

bool frmzg::ausgabeFreigeben(bool gesetzt) {
    // Back is the default: Enter and a double-click on a finding lead to it.
    const std::optional<int> knopf = pruefen(
        QStringLiteral("Bevor das Zeugnis ausgegeben wird, sollten Sie sich Folgendes ansehen:"),
        {QStringLiteral("Zurück"), QStringLiteral("Trotzdem fortfahren")}, gesetzt);
    return !knopf || *knopf == 1;
}

void frmzg::pruefungZeigen() {
    if (!pruefen(QStringLiteral("Die Prüfung hat Folgendes gefunden:"),
                 {QStringLiteral("Zum Abschnitt"), QStringLiteral("Schließen")})) {
        plattform.meldung(this, QStringLiteral("Zeugnis prüfen"),
                          QStringLiteral("Die Prüfung hat nichts gefunden."),
                          Meldungssymbol::Information);
    }
}

} // namespace velmora
