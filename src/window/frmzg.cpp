#include "window/frmzg.h"

#include "compose/bewertungsbereich.h"
#include "compose/eigenertext.h"
#include "compose/komposition.h"
#include "output/klartext.h"
#include "platform/plattform.h"
#include "ui/einpassbeschriftung.h"
#include "ui/fokuswechsel.h"
#include "ui/hinweisband.h"
#include "ui/reiterfeld.h"
#include "window/anzeigezustand.h"
#include "window/aufgabenfelder.h"
#include "window/bereichstext.h"
#include "window/datum.h"
#include "window/fensterlayout.h"
#include "window/lesart.h"
#include "window/unterschriftfelder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmora {

namespace {

bool bereichGueltig(int bereich) {
    return bereich >= 1 && bereich <= anzahlBereiche;
}

} // namespace

int frmzg::geschlecht() const {
    return cmbang->currentIndex();
}

void frmzg::geschlechtWaehlen(int index) {
    if (geschlechtStellen(index) && index != keinGeschlecht) {
        vorschau();
    }
}

bool frmzg::geschlechtStellen(int index) {
    if (index < keinGeschlecht || index >= cmbang->count()) {
        return false;
    }
    cmbang->setCurrentIndex(index);
    return true;
}

QString frmzg::text(int index) const {
    return index >= 0 && index < anzahlEingaben ? txtang[index]->text() : QString();
}

void frmzg::textSetzen(int index, const QString& text) {
    if (index >= 0 && index < anzahlEingaben) {
        txtang[index]->setText(text);
    }
}

void frmzg::knopfSetzen(int bereich, int knopf, bool an) {
    if (knopfStellen(bereich, knopf, an) && an) {
        vorschau();
    }
}

bool frmzg::knopfStellen(int bereich, int knopf, bool an) {
    QButtonGroup* gruppe = bereichGueltig(bereich) ? noten[bereich - 1] : nullptr;
    QAbstractButton* note = gruppe ? gruppe->button(knopf) : nullptr;
    if (!note) {
        return false;
    }
    if (an) {
        note->setChecked(true);
        return true;
    }
    // An exclusive group refuses to clear its chosen button.
    gruppe->setExclusive(false);
    note->setChecked(false);
    gruppe->setExclusive(true);
    return true;
}

void frmzg::anzeigeSetzen(int bereich, Qt::CheckState zustand) {
    if (bereichGueltig(bereich)) {
        chkAnz[bereich - 1]->setCheckState(zustand);
    }
}

int frmzg::reiter(int leiste) const {
    return leiste == untereLeiste || leiste == obereLeiste ? tabang[leiste]->aktuellerIndex() : -1;
}

void frmzg::reiterSetzen(int leiste, int index) {
    if (leiste == untereLeiste || leiste == obereLeiste) {
        tabang[leiste]->setzeAktuellenIndex(index);
    }
}

QString frmzg::vorschautext(int bereich) const {
    return bereichGueltig(bereich) ? lblVorschau[bereich - 1]->text() : QString();
}

Zeugnisdaten frmzg::daten() const {
    Zeugnisdaten daten;
    for (int i = 0; i < anzahlEingaben; ++i) {
        daten.texte[i] = txtang[i]->text().toStdString();
    }
    daten.geschlecht = geschlecht();
    for (int i = 0; i < anzahlBereiche; ++i) {
        // checkedId is -1 without a choice, which gives grade 0.
        daten.bereiche[i].note = noten[i]->checkedId() + 1;
        daten.bereiche[i].anzeige = anzeigezustand(chkAnz[i]->checkState());
        if (formulierungen[i]) {
            daten.bereiche[i].formulierung = formulierungen[i]->checkedId() + 1;
        }
        daten.eigeneTexte[i] = bereichstexte[i]->eigenerText().toStdString();
        daten.bausteinIds[i] = bereichstexte[i]->bausteinId();
    }
    daten.art = art();
    daten.geburtsangaben = unterschriftfelder->geburtsangaben();
    daten.aufgaben = aufgabenfelder->aufgaben();
    daten.unterzeichner = unterschriftfelder->unterzeichner();
    return daten;
}

void frmzg::datenSetzen(const Zeugnisdaten& daten) {
    for (int i = 0; i < anzahlEingaben; ++i) {
        textSetzen(i, QString::fromStdString(daten.texte[i]));
    }
    geschlechtStellen(daten.geschlecht);
    unterschriftfelder->geburtsangabenSetzen(daten.geburtsangaben);
    aufgabenfelder->setzen(daten.aufgaben);
    unterschriftfelder->unterzeichnerSetzen(daten.unterzeichner);
    if (daten.art != art()) {
        // Shown here, composed below with all the rest.
        const QSignalBlocker still(unterschriftfelder);
        unterschriftfelder->artSetzen(daten.art);
        artAnzeigen(daten.art);
    }
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        const Bereichsangaben& angaben = daten.bereich(bereich);
        anzeigeSetzen(bereich, haekchen(angaben.anzeige));
        if (QButtonGroup* wahl = formulierungen[bereich - 1]) {
            if (QAbstractButton* knopf = wahl->button(angaben.formulierung - 1)) {
                knopf->setChecked(true);
            }
        }
        bereichstexte[bereich - 1]->eigenerTextSetzen(
            QString::fromStdString(daten.eigenerText(bereich)), daten.bausteinIds[bereich - 1]);
        textnoten[bereich - 1] = angaben.note;
        if (angaben.note >= 1 && angaben.note <= bewertungsbereich(bereich).stufen()) {
            knopfStellen(bereich, angaben.note - 1, true);
        } else {
            for (int knopf = 0; knopf < bewertungsbereich(bereich).stufen(); ++knopf) {
                knopfStellen(bereich, knopf, false);
            }
            lblVorschau[bereich - 1]->textSetzen({});
        }
    }
    vorschau();
    zuletzt = this->daten();
    emit inhaltGesetzt();
}

Zeugnisart frmzg::art() const {
    return unterschriftfelder->art();
}

void frmzg::artSetzen(Zeugnisart art) {
    unterschriftfelder->artSetzen(art);
}

void frmzg::artAnzeigen(Zeugnisart art) {
    const Bewertungsbereich& grund = bewertungsbereich(beendigungsgrund);
    tabang[untereLeiste]->beschriftungSetzen(beendigungsgrund - 1,
                                             QString::fromUtf8(grund.reiterFuer(art)));
    grundueberschrift->setText(QString::fromUtf8(grund.ueberschrift(art)));
    const fensterlayout::Notengruppe& lage = fensterlayout::grundgruppen[artIndex(art)];
    for (int knopf = 0; knopf < grund.stufen(); ++knopf) {
        QAbstractButton* schalter = noten[beendigungsgrund - 1]->button(knopf);
        schalter->setText(QString::fromUtf8(grund.knopf(knopf, art)));
        schalter->setGeometry(twipsRechteck(lage.knoepfe[knopf].links, 0,
                                            lage.knoepfe[knopf].breite, lage.knopfHoehe));
    }
    // An employee who stays has no leaving date; what the box holds is kept for a final one.
    const bool endzeugnis = art == Zeugnisart::Endzeugnis;
    txtang[static_cast<int>(Eingabe::Austrittsdatum)]->setEnabled(endzeugnis);
    QString beschriftung =
        QString::fromUtf8(eingabefelder[static_cast<int>(Eingabe::Austrittsdatum)].beschriftung);
    if (!endzeugnis) {
        beschriftung += QStringLiteral(" (entfällt)");
    }
    austrittsbeschriftung->setText(beschriftung);
}

void frmzg::vorschau() {
    komponieren(daten());
}

void frmzg::komponieren(const Zeugnisdaten& daten) {
    const Vorschautexte texte = alleVorschautexte(daten);
    for (int i = 0; i < anzahlBereiche; ++i) {
        if (texte[i]) {
            lblVorschau[i]->textSetzen(QString::fromStdString(*texte[i]));
        }
        if (!leer(daten.eigeneTexte[i])) {
            lesartZeigen(i + 1, daten.eigeneTexte[i], daten.bereiche[i].note);
        }
    }
}

AngezeigteVorschautexte frmzg::angezeigteVorschautexte() const {
    AngezeigteVorschautexte texte;
    for (int i = 0; i < anzahlBereiche; ++i) {
        texte[i] = lblVorschau[i]->text().toStdString();
    }
    return texte;
}

void frmzg::kopieren() {
    eingabeAbschliessen();
    const std::string text = klartext(daten(), angezeigteVorschautexte());
    if (!plattform.zwischenablageSetzen(QString::fromStdString(text))) {
        plattform.meldung(this, QStringLiteral("Velmora"),
                          QStringLiteral("Die Zwischenablage ist gerade nicht verfügbar. Das "
                                         "Zeugnis wurde nicht kopiert; bitte versuchen Sie es "
                                         "noch einmal."),
                          Meldungssymbol::Ausruf);
    }
}

void frmzg::feldVerlassen(int index) {
    if (eingabefelder[index].datum) {
        const QString normalisiert = datumNormalisiert(txtang[index]->text(), QDate::currentDate());
        if (normalisiert != txtang[index]->text()) {
            txtang[index]->setText(normalisiert);
        }
    }
    aenderungVermerken(Vorschau::Neu);
}

void frmzg::eigenenTextUebernehmen(int bereich, const QString& text) {
    Zeugnisdaten jetzt = daten();
    Bereichsangaben& angaben = jetzt.bereich(bereich);
    const std::string eigener = eigenerText(bereich, jetzt.art, text.toStdString());
    // Words left as they were still are the block's they came from.
    const std::string bausteinId =
        eigener == jetzt.eigenerText(bereich) ? jetzt.bausteinIds[bereich - 1] : std::string();
    jetzt.eigenerText(bereich).clear();
    const std::optional<std::string> baustein =
        velmora::vorschautext(bereich, angaben.note, Anredeformen::fuer(jetzt.geschlecht), jetzt);
    const bool eigen = !eigener.empty() && eigener != baustein;
    bereichstexte[bereich - 1]->eigenerTextSetzen(
        eigen ? QString::fromStdString(eigener) : QString(), bausteinId);
    textnoten[bereich - 1] = angaben.note;
    if (!eigen && !baustein) {
        // Without a grade the library has no text for the preview to go back to.
        lblVorschau[bereich - 1]->textSetzen({});
    }
    aenderungVermerken(Vorschau::Neu);
}

void frmzg::lesartZeigen(int bereich, std::string_view text, int note) {
    bereichstexte[bereich - 1]->lesartZeigen(rueckmeldung(lesart(text, bereich), note));
}

void frmzg::eingabeAbschliessen() {
    for (Bereichstext* bereich : bereichstexte) {
        bereich->abschliessen();
    }
    for (int i = 0; i < anzahlEingaben; ++i) {
        if (focusWidget() == txtang[i]) {
            feldVerlassen(i);
        }
    }
}

void frmzg::hinweisZeigen(const QString& text) {
    hinweisband->hinweisen(text);
}

void frmzg::closeEvent(QCloseEvent* ereignis) {
    if (aenderungenVerwahren() && einstellungenSichern()) {
        ereignis->accept();
    } else {
        ereignis->ignore();
    }
}

bool frmzg::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool eingabetaste = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
        // A command button takes Enter itself, and the tasks box takes it as a new line.
        if (eingabetaste && !qobject_cast<QPushButton*>(objekt) &&
            !aufgabenfelder->nimmtZeilen(objekt) &&
            (taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            cmbStandard->click();
            return true;
        }
    } else if (ereignis->type() == QEvent::FocusOut) {
        const auto* fokus = static_cast<QFocusEvent*>(ereignis);
        for (int i = 0; i < anzahlEingaben; ++i) {
            if (objekt == txtang[i] && verlassenDurchBenutzer(fokus->reason())) {
                feldVerlassen(i);
            }
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace velmora
