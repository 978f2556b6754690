// The user's text blocks: kept from a section's own words, offered beside the phrasings,
// managed from the file menu.
#include "bausteine/platzhalter.h"
#include "compose/bewertungsbereich.h"
#include "compose/eigenertext.h"
#include "storage/textbausteine.h"
#include "window/bausteinablage.h"
#include "window/bausteindialog.h"
#include "window/bausteinverwaltung.h"
#include "window/bereichstext.h"
#include "window/frmzg.h"
#include "window/notenname.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>

#include <algorithm>

namespace velmora {

void frmzg::bausteineEintragen() {
    bausteinablage = new Bausteinablage(plattform, this);
    bausteinablage->setObjectName(QStringLiteral("bausteinablage"));
    connect(bausteinablage, &Bausteinablage::hinweis, this, &frmzg::hinweisZeigen);
    connect(
        menueeintrag(Menueabschnitt::Firma, "mnuTextbausteine", QStringLiteral("&Textbausteine…")),
        &QAction::triggered, this, [this] {
            Bausteinverwaltung dialog(*bausteinablage, plattform, this);
            dialog.exec();
        });
}

void frmzg::alsBausteinSpeichern(int bereich) {
    const Zeugnisdaten jetzt = daten();
    const std::string& text = jetzt.eigenerText(bereich);
    if (leer(text)) {
        return;
    }
    Bausteindialog dialog(text, jetzt, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Textbausteine bausteine = bausteinablage->bausteine();
    Textbaustein neu{.id = {},
                     .name = dialog.name(),
                     .bereich = bereich,
                     .note = jetzt.bereich(bereich).note,
                     .art = jetzt.art,
                     .text = dialog.vorlage()};
    const auto gleich = std::ranges::find_if(bausteine, [&](const Textbaustein& b) {
        return b.bereich == bereich && b.art == neu.art && b.name == neu.name;
    });
    if (gleich != bausteine.end()) {
        const QString frage =
            QStringLiteral("Für „%1“ gibt es schon einen Textbaustein „%2“. Wollen Sie ihn "
                           "ersetzen?")
                .arg(QString::fromUtf8(bewertungsbereich(bereich).name),
                     QString::fromStdString(neu.name));
        if (plattform.frage(this, QStringLiteral("Als Textbaustein speichern"), frage,
                            {QStringLiteral("&Ersetzen"), QStringLiteral("Abbrechen")}) != 0) {
            return;
        }
        neu.id = gleich->id;
        *gleich = neu;
    } else {
        neu.id = neueBausteinId();
        bausteine.push_back(neu);
    }
    bausteinablage->speichern(bausteine);
}

void frmzg::bausteinwahlFuellen(int bereich, QMenu& menue) {
    const Zeugnisart zeugnisart = art();
    const int note = noten[bereich - 1]->checkedId() + 1;
    std::vector<const Textbaustein*> passende;
    for (const Textbaustein& b : bausteinablage->bausteine()) {
        if (b.bereich == bereich && b.art == zeugnisart) {
            passende.push_back(&b);
        }
    }
    // Those of the grade chosen first, the others by their grade; each in the order kept.
    std::ranges::stable_sort(passende, {}, [note](const Textbaustein* b) {
        return std::pair(b->note != note, b->note);
    });
    if (passende.empty()) {
        menue
            .addAction(QStringLiteral("Für diesen Abschnitt gibt es noch keine eigenen "
                                      "Textbausteine."))
            ->setEnabled(false);
    }
    for (const Textbaustein* b : passende) {
        QString text = QString::fromStdString(b->name).replace('&', QStringLiteral("&&"));
        if (b->note != note) {
            text += QStringLiteral(" (%1)").arg(notenname(b->bereich, b->note, b->art));
        }
        const Textbaustein baustein = *b;
        menue.addAction(text, this,
                        [this, bereich, baustein] { bausteinVerwenden(bereich, baustein); });
    }
}

void frmzg::bausteinVerwenden(int bereich, const Textbaustein& baustein) {
    const Zeugnisdaten jetzt = daten();
    const std::string text =
        eigenerText(bereich, jetzt.art, bausteinFuellen(baustein.text, jetzt.geschlecht, jetzt));
    bereichstexte[bereich - 1]->eigenerTextSetzen(QString::fromStdString(text), baustein.id);
    const int note = jetzt.bereich(bereich).note;
    textnoten[bereich - 1] = baustein.note > 0 ? baustein.note : note;
    aenderungVermerken(Vorschau::Neu);
    if (baustein.note > 0 && note > 0 && baustein.note != note) {
        hinweisZeigen(QStringLiteral("Der Textbaustein „%1“ wurde für %2 geschrieben; gewählt "
                                     "ist %3.")
                          .arg(QString::fromStdString(baustein.name),
                               notenname(bereich, baustein.note, baustein.art),
                               notenname(bereich, note, baustein.art)));
    }
}

} // namespace velmora
