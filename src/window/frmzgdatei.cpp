// The reference as a file the user owns: new, open, save, the files opened last and a settings
// file taken over as a reference; the title that names the file and marks unsaved changes.
#include "files/textzeilen.h"
#include "platform/plattform.h"
#include "storage/firmenprofil.h"
#include "window/frmzg.h"
#include "window/textfelder.h"
#include "window/zeugnisdateinamen.h"
#include "window/zeugnisladen.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>

namespace velmora {

namespace {

const QString zeugnisfilter = QStringLiteral("Zeugnisse (*.zeugnis)");

// An ampersand in a file name is no access key.
QString ohneZugriffstaste(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void wennGesetzt(const std::string& wert, std::string& ziel) {
    if (!wert.empty()) {
        ziel = wert;
    }
}

// Whether the reference file holds texts longer than the window's boxes.
bool haeltMehrAlsDasFenster(Plattform& plattform, const QString& pfad) {
    const Zeugnislesung lesung = zeugnisLaden(plattform, pfad);
    return lesung.datei && !zuLangeFelder(lesung.datei->daten).isEmpty();
}

} // namespace

void frmzg::dateimenueAufbauen() {
    using enum Menueabschnitt;
    for (const Zeugnisart art : zeugnisarten) {
        const bool end = art == Zeugnisart::Endzeugnis;
        QAction* eintrag = menueeintrag(Zeugnis, end ? "mnuNeuEndzeugnis" : "mnuNeuZwischenzeugnis",
                                        end ? QStringLiteral("&Neues Endzeugnis")
                                            : QStringLiteral("Neues &Zwischenzeugnis"),
                                        end ? QKeySequence(Qt::CTRL | Qt::Key_N) : QKeySequence());
        connect(eintrag, &QAction::triggered, this, [this, art] { neu(art); });
    }
    connect(menueeintrag(Zeugnis, "mnuOeffnen", QStringLiteral("&Öffnen…"),
                         QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this,
            [this] { oeffnen(QStringLiteral("Zeugnis öffnen"), zeugnisfilter); });
    connect(menueeintrag(Zeugnis, "mnuSpeichern", QStringLiteral("&Speichern"),
                         QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &frmzg::speichern);
    connect(menueeintrag(Zeugnis, "mnuSpeichernUnter", QStringLiteral("Speichern &unter…"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &frmzg::speichernUnter);
    // The files opened last stand between two separators, which fold into one while the list
    // is empty.
    mnuDatei->insertSeparator(abschnittsenden[static_cast<int>(Zeugnis)]);
    for (int i = 0; i < zuletztGeoeffneteDateien; ++i) {
        mnuZuletzt[i] = menueeintrag(Zeugnis, "mnuZuletzt", {});
        mnuZuletzt[i]->setObjectName(QStringLiteral("mnuZuletzt(%1)").arg(i));
        connect(mnuZuletzt[i], &QAction::triggered, this,
                [this, i] { zuletztGeoeffnetOeffnen(i); });
    }
    mnuDatei->insertSeparator(abschnittsenden[static_cast<int>(Zeugnis)]);
    connect(
        menueeintrag(Zeugnis, "mnuImportieren", QStringLiteral("Einstellungsdatei &importieren…")),
        &QAction::triggered, this, [this] {
            oeffnen(QStringLiteral("Einstellungsdatei importieren"),
                    QStringLiteral("Einstellungsdateien (*.ini);;Alle Dateien (*)"));
        });
    zuletztGeoeffnetAnzeigen();
}

bool frmzg::ungespeichert() const {
    return ungespeichert(daten());
}

bool frmzg::ungespeichert(const Zeugnisdaten& jetzt) const {
    return !sitzung.offeneDatei.isEmpty() &&
           (!sitzung.gespeichert || *sitzung.gespeichert != jetzt);
}

bool frmzg::aenderungenVerwahren() {
    if (!ungespeichert()) {
        return true;
    }
    const int antwort = plattform.frage(
        this, QStringLiteral("Velmora"),
        QStringLiteral("Die Änderungen an „%1“ sind noch nicht gespeichert. Möchten Sie sie "
                       "speichern?")
            .arg(dateititel(sitzung.offeneDatei)),
        {QStringLiteral("&Speichern"), QStringLiteral("&Verwerfen"), QStringLiteral("Abbrechen")});
    switch (antwort) {
    case 0:
        return speichern();
    case 1:
        aenderungenVerwerfen();
        return true;
    default:
        return false;
    }
}

void frmzg::aenderungenVerwerfen() {
    if (sitzung.gespeichert) {
        zeugnisUebernehmen({*sitzung.gespeichert, sitzung.gelesen}, sitzung.offeneDatei);
        return;
    }
    // Changes taken over from the recovery file: the file itself holds what was saved. One
    // that cannot be read any more is said so, and the window keeps what it shows.
    zeugnisLesen(sitzung.offeneDatei);
}

void frmzg::neu(Zeugnisart art) {
    if (!aenderungenVerwahren()) {
        return;
    }
    Zeugnisdaten daten;
    daten.art = art;
    daten.text(Eingabe::Datum) =
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    // What the company profile holds; one that is missing or cannot be read has nothing.
    if (const auto inhalt = lesenOderMelden(eigenerPfad(plattform, firmenprofildateiname),
                                            QStringLiteral("Das Firmenprofil"))) {
        const Firmenprofil profil = firmenprofilLesen(*inhalt);
        wennGesetzt(profil.firma, daten.text(Eingabe::Firma));
        wennGesetzt(profil.ort, daten.text(Eingabe::Ort));
        wennGesetzt(profil.unterzeichner.name, daten.unterzeichner.name);
        wennGesetzt(profil.unterzeichner.funktion, daten.unterzeichner.funktion);
        wennGesetzt(profil.unterzeichner.zusatz, daten.unterzeichner.zusatz);
    }
    zeugnisUebernehmen({daten, {}}, {});
}

void frmzg::oeffnen(const QString& titel, const QString& filter) {
    if (!aenderungenVerwahren()) {
        return;
    }
    if (const auto pfad = plattform.dateiZumOeffnen(this, titel, zeugnisordner(), filter)) {
        zeugnisLesen(*pfad);
    }
}

void frmzg::zuletztGeoeffnetOeffnen(int index) {
    const QString pfad = sitzung.zuletztGeoeffnet.value(index);
    if (pfad.isEmpty()) {
        return;
    }
    if (!plattform.dateiVorhanden(pfad, Dateiart::Dokument)) {
        sitzung.zuletztGeoeffnet.removeAll(pfad);
        zuletztGeoeffnetAnzeigen();
        plattform.meldung(this, QStringLiteral("Velmora"),
                          QStringLiteral("Die Datei „%1“ gibt es nicht mehr. Sie wurde aus der "
                                         "Liste der zuletzt geöffneten Dateien entfernt.")
                              .arg(pfad),
                          Meldungssymbol::Ausruf);
        return;
    }
    zeugnisOeffnen(pfad);
}

bool frmzg::zeugnisOeffnen(const QString& pfad) {
    return aenderungenVerwahren() && zeugnisLesen(pfad);
}

bool frmzg::zeugnisLesen(const QString& pfad) {
    const Zeugnislesung lesung = zeugnisLaden(plattform, pfad);
    if (!lesung.datei) {
        plattform.meldung(this, QStringLiteral("Velmora"), lesung.fehler, Meldungssymbol::Ausruf);
        return false;
    }
    // A settings file becomes a reference without a file of its own.
    const bool zeugnisdatei = !lesung.einstellungsdatei;
    const QString absolut = absoluterPfad(pfad);
    zeugnisUebernehmen(*lesung.datei, zeugnisdatei ? absolut : QString());
    if (zeugnisdatei) {
        zuletztGeoeffnetAufnehmen(absolut);
    }
    if (!lesung.hinweis.isEmpty()) {
        hinweisZeigen(lesung.hinweis);
    }
    if (const QStringList zuLang = zuLangeFelder(lesung.datei->daten); !zuLang.isEmpty()) {
        hinweisZeigen(QStringLiteral("„%1“ enthält längere Texte, als das Fenster fassen kann "
                                     "(%2 Zeichen je Feld); gekürzt angezeigt: „%3“.")
                          .arg(dateititel(pfad), QLocale(QLocale::German).toString(feldlaenge),
                               zuLang.join(QStringLiteral("“, „"))));
    }
    return true;
}

void frmzg::zeugnisUebernehmen(const Zeugnisdatei& datei, const QString& pfad) {
    datenSetzen(datei.daten);
    const Zeugnisdaten jetzt = daten();
    dateiSetzen(pfad, datei.gelesen, jetzt);
    sicherungSchreiben(jetzt);
}

// The documents folder's "Zeugnisse", made when first needed; the documents folder itself when
// it cannot be made.
QString frmzg::zeugnisordner() {
    const QString dokumente = plattform.dokumentenordner();
    const QString ordner = dokumente + QStringLiteral("/Zeugnisse");
    return plattform.ordnerAnlegen(ordner) ? ordner : dokumente;
}

bool frmzg::speichern() {
    if (sitzung.offeneDatei.isEmpty()) {
        return speichernUnter();
    }
    // The window holds less than the file: saved over it, the rest of its texts would go. The
    // file is asked, however the window came to hold it (opened, restored, kept from the last
    // run).
    if (haeltMehrAlsDasFenster(plattform, sitzung.offeneDatei)) {
        return plattform.frage(this, QStringLiteral("Velmora"),
                               QStringLiteral("Die Datei enthält längere Texte, als das Fenster "
                                              "fassen kann; beim Speichern würden sie gekürzt."),
                               {QStringLiteral("Speichern unter…"), QStringLiteral("Abbrechen")}) ==
                   0 &&
               speichernUnter();
    }
    eingabeAbschliessen();
    return zeugnisSchreiben(sitzung.offeneDatei);
}

bool frmzg::speichernUnter() {
    eingabeAbschliessen();
    QString vorschlag = sitzung.offeneDatei;
    if (vorschlag.isEmpty()) {
        vorschlag = zeugnisordner() + QLatin1Char('/') + vorgeschlagenerDateiname(daten());
    }
    std::optional<QString> pfad = plattform.dateiZumSpeichern(
        this, QStringLiteral("Zeugnis speichern unter"), vorschlag, zeugnisfilter);
    if (!pfad) {
        return false;
    }
    if (!pfad->endsWith(QLatin1String(zeugnisendung), Qt::CaseInsensitive)) {
        *pfad += QLatin1String(zeugnisendung);
    }
    return zeugnisSchreiben(absoluterPfad(*pfad));
}

bool frmzg::zeugnisSchreiben(const QString& pfad) {
    const Zeugnisdaten jetzt = daten();
    QString fehler;
    if (!plattform.dateiErsetzen(pfad, Dateiart::Dokument,
                                 zeugnisdateiSchreiben(jetzt, sitzung.gelesen), &fehler)) {
        plattform.meldung(
            this, QStringLiteral("Velmora"),
            QStringLiteral("Das Zeugnis konnte nicht als „%1“ gespeichert werden.\n%2")
                .arg(pfad, fehler),
            Meldungssymbol::Ausruf);
        return false;
    }
    dateiSetzen(pfad, sitzung.gelesen, jetzt);
    zuletztGeoeffnetAufnehmen(pfad);
    sicherungSchreiben(jetzt);
    return true;
}

void frmzg::zuletztGeoeffnetAufnehmen(const QString& pfad) {
    sitzung.zuletztGeoeffnet = zuletztAufgenommen(sitzung.zuletztGeoeffnet, pfad);
    zuletztGeoeffnetAnzeigen();
}

void frmzg::zuletztGeoeffnetAnzeigen() {
    for (int i = 0; i < zuletztGeoeffneteDateien; ++i) {
        const QString pfad = sitzung.zuletztGeoeffnet.value(i);
        mnuZuletzt[i]->setVisible(!pfad.isEmpty());
        mnuZuletzt[i]->setText(
            QStringLiteral("&%1 %2").arg(i + 1).arg(ohneZugriffstaste(QFileInfo(pfad).fileName())));
        mnuZuletzt[i]->setStatusTip(pfad);
    }
}

void frmzg::dateiSetzen(const QString& pfad, const QJsonObject& gelesen,
                        const std::optional<Zeugnisdaten>& gespeichert) {
    sitzung.offeneDatei = pfad;
    sitzung.gelesen = gelesen;
    sitzung.gespeichert = gespeichert;
    // Qt puts the marker in place of "[*]".
    setWindowTitle(pfad.isEmpty() ? QStringLiteral("Velmora")
                                  : QStringLiteral("%1[*] – Velmora").arg(dateititel(pfad)));
    setWindowModified(ungespeichert());
}

void frmzg::aenderungVermerken(Vorschau vorschau) {
    const Zeugnisdaten jetzt = daten();
    if (vorschau == Vorschau::Neu) {
        komponieren(jetzt);
    }
    for (const QString& hinweis : eigeneTexteHinweise(zuletzt, jetzt, textnoten)) {
        hinweisZeigen(hinweis);
    }
    zuletzt = jetzt;
    festhalten(jetzt);
    emit geaendert();
}

void frmzg::festhalten(const Zeugnisdaten& jetzt) {
    setWindowModified(ungespeichert(jetzt));
    sicherungSchreiben(jetzt);
}

} // namespace velmora
