#pragma once

#include "analysefenster/analyseleser.h"
#include "compose/zeugnisdaten.h"
#include "files/einstellungszeilen.h"
#include "render/zeugnisausgabe.h"
#include "storage/zustand.h"
#include "window/eigenetexthinweise.h"
#include "window/sitzung.h"

#include <QKeySequence>
#include <QMainWindow>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace velmora {

class Analysefenster;
class Aufgabenfelder;
class Bausteinablage;
class Bereichstext;
struct Dokumentart;
struct Zeugnisdatei;
class Einpassbeschriftung;
class Hinweisband;
class Plattform;
class Reiterfeld;
struct Textbaustein;
class Unterschriftfelder;
class Zeugnisvorschau;

// The main window: the employee's and the employer's data above, the thirteen rated sections
// below, the outputs and the end on the buttons. Its controls are the only store of the
// entries; the previews are composed afresh from them after every grade, gender and text.
class frmzg : public QMainWindow {
    Q_OBJECT
public:
    explicit frmzg(Plattform& plattform, QWidget* eltern = nullptr);

    // The state of the controls, as the settings file holds it. Sections are numbered 1..13,
    // buttons 0..5 (section 12: 0..2). The setters ignore values out of range.

    // -1 nothing, 0 "Herr", 1 "Frau". Choosing 0 or 1 composes, as a selection by hand does.
    int geschlecht() const;
    void geschlechtWaehlen(int index);
    // txtang(i); setting a text neither normalises nor composes.
    QString text(int index) const;
    void textSetzen(int index, const QString& text);
    // On: chooses that button as a click does and composes. Off: clears that button only.
    void knopfSetzen(int bereich, int knopf, bool an);
    // Grey (a settings file may hold it) counts as not shown.
    void anzeigeSetzen(int bereich, Qt::CheckState zustand);
    int reiter(int leiste) const;
    void reiterSetzen(int leiste, int index);
    QString vorschautext(int bereich) const;
    // What the thirteen preview labels show, as the documents take them.
    AngezeigteVorschautexte angezeigteVorschautexte() const;
    // The kind of reference; choosing one relabels Beendigungsgrund and composes.
    Zeugnisart art() const;
    void artSetzen(Zeugnisart art);

    // The inputs as the controls hold them now.
    Zeugnisdaten daten() const;
    // Puts a whole reference into the controls as the setters above do, then composes once: a
    // section without a grade loses its choice and its preview.
    void datenSetzen(const Zeugnisdaten& daten);
    // Recomposes the previews of all sections from the controls.
    void vorschau();
    // Checks the reference before it becomes a document or a print; with findings the user
    // chooses between going on and going back to what was found. True: go on. `gesetzt`: the
    // program lays the pages out itself (PDF, print), so characters its font cannot show are
    // found too.
    bool ausgabeFreigeben(bool gesetzt = false);
    // Shows what the check finds, each finding leading to its tab.
    void pruefungZeigen();
    // What every document of the reference is made from, as the controls hold it now, with the
    // base document and the company profile read afresh.
    Zeugnisausgabe ausgabe();
    // The same on the ground the last output read: the preview follows every change without
    // reading files each time.
    Zeugnisausgabe vorschauausgabe();
    // The plain text of the reference to the clipboard.
    void kopieren();
    // The reference as a document for the word processor.
    void zeugniserstellen();
    // The end the system asks for (a logout, a signal): saves as a close does, asks nothing
    // and ends the program. The unsaved changes of an open reference file stay in the recovery
    // file for the next start.
    void sofortBeenden();

    // The start restores the window in this order, after the settings file: the rest of the
    // window's state from zustand.json, then what the last run left in wiederherstellung.json
    // when it ended without a clean close. From sicherungBeginnen() on, every change is kept in
    // the recovery file at once; a clean close removes it.
    void zustandLaden();
    void wiederherstellen();
    void sicherungBeginnen();
    // Takes over übergabe.ini from the data folder, if one lies there: the lines that could be
    // read replace the texts of their boxes and are kept in the recovery file before the
    // handover file is deleted. One that cannot be deleted is said so and not taken again.
    void uebergabeUebernehmen();
    // Opens a reference file, or a settings file as a reference without a name, after asking
    // about unsaved changes to the file open now. A file that cannot be read whole is refused
    // with a message and changes nothing. True when the window holds the file.
    bool zeugnisOeffnen(const QString& pfad);
    // The reference file the window holds, empty when none.
    QString offeneDatei() const { return sitzung.offeneDatei; }
    // Whether the window holds changes not saved to its reference file.
    bool ungespeichert() const;
    // Tells the user something in the band below the window, without stopping the work.
    void hinweisZeigen(const QString& text);
    // Brings the company profile, its logo and the text blocks together with the team folder
    // the profile names, if any (frmzgteamordner.cpp): at the start once the window shows,
    // around the profile dialog, after each save of a block, and every 30 seconds while the
    // folder cannot be used. The band says why it cannot, with a button to try again.
    void teamordnerAbgleichen();
    // Opens a document just written with the desktop's program for it; when none opens it,
    // the band says where the document lies.
    void dokumentZeigen(const QString& pfad);

    // The analysis (frmzganalyse.cpp): the program hands over how files are read for it.
    void analyseleserSetzen(Analyseleser leser) { analyseleser = std::move(leser); }
    // The analysis window, made when first asked for and kept, shown and raised.
    Analysefenster& analysefensterZeigen();
    // Shows it on the file given, or as it is.
    void analysieren(const std::optional<QString>& datei);

signals:
    // The user changed the reference: a box left, a grade, the gender, a flag, the tasks, the
    // signature, the kind. The previews, the title's marker and the recovery file have
    // followed the change already.
    void geaendert();
    // A whole reference was put into the controls (opened, restored, begun anew), or the
    // company profile changed what its documents are made from.
    void inhaltGesetzt();

private:
    // Closing the window, by whatever way, saves the entries here. False keeps the window
    // open, so that a failed save costs nothing the user typed.
    bool einstellungenSichern();

    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    // The file menu's sections, in their order; each part of the window adds its entries to
    // its own section.
    enum class Menueabschnitt { Zeugnis, Ausgabe, Firma };
    QAction* menueeintrag(Menueabschnitt abschnitt, const char* name, const QString& text,
                          const QKeySequence& kuerzel = {});

    void obereLeisteAufbauen();
    void untereLeisteAufbauen();
    void knoepfeAufbauen();
    void menueAufbauen();
    // "Anal&yse" after the file menu.
    void analysemenueAufbauen();
    void dateimenueAufbauen();
    // "Fir&menprofil…" in the file menu's section of the company.
    void firmenprofilEintragen();
    // The user's text blocks (frmzgbausteine.cpp): "&Textbausteine…" after the company
    // profile, the store they are kept in.
    void bausteineEintragen();
    // A block saved goes to the team folder as well (frmzgteamordner.cpp).
    void teamordnerEintragen();
    // A section's own words kept as a block, under its grade and the reference's kind.
    void alsBausteinSpeichern(int bereich);
    // The section's blocks of the reference's kind, those of its grade first.
    void bausteinwahlFuellen(int bereich, QMenu& menue);
    // The block filled for this reference becomes the section's own words.
    void bausteinVerwenden(int bereich, const Textbaustein& baustein);
    void fokusreihenfolgeSetzen();
    // Beendigungsgrund's tab, heading and buttons as the kind names them.
    void artAnzeigen(Zeugnisart art);
    // The setters above without composing; false when the value is out of range.
    bool geschlechtStellen(int index);
    bool knopfStellen(int bereich, int knopf, bool an);

    // The file menu's outputs: the whole reference on screen, the check, the documents, the
    // print and its preview.
    void ausgabemenueAufbauen();
    void zeugnisvorschauZeigen();
    void dokumentSpeichern(const Dokumentart& art);
    void drucken();
    void druckvorschau();
    // Finishes the input and checks the reference. Findings are listed under `text` with
    // `knoepfe`; the first button with a finding selected goes to its tab. The button chosen,
    // nothing when the check found nothing.
    std::optional<int> pruefen(const QString& text, const QStringList& knoepfe,
                               bool gesetzt = false);

    // The previews of the sections that have a grade, composed from `daten`.
    void komponieren(const Zeugnisdaten& daten);
    // What leaving a text box does: a date box normalises its date, then all compose.
    void feldVerlassen(int index);
    // The words left in a section's box become its own text, unless they are blank or the
    // library's text itself: then the section has the library's text again.
    void eigenenTextUebernehmen(int bereich, const QString& text);
    // How the analysis reads words written for a section, below them.
    void lesartZeigen(int bereich, std::string_view text, int note);
    // An output sees what the user sees: the box that has the focus is left first.
    void eingabeAbschliessen();

    // The reference files (frmzgdatei.cpp).
    void neu(Zeugnisart art);
    // Asks about unsaved changes, then for a file to open from the folder of references.
    void oeffnen(const QString& titel, const QString& filter);
    void zuletztGeoeffnetOeffnen(int index);
    QString zeugnisordner();
    bool speichern();
    bool speichernUnter();
    // What the controls hold, into the file; the two commands above finish the input first.
    bool zeugnisSchreiben(const QString& pfad);
    // zeugnisOeffnen() once the user was asked.
    bool zeugnisLesen(const QString& pfad);
    // Puts a reference read from a file into the window; `pfad` names it, empty for a
    // reference without a file of its own.
    void zeugnisUebernehmen(const Zeugnisdatei& datei, const QString& pfad);
    // Unsaved changes to the open file: asks whether to save them or to discard them. False:
    // the user cancelled.
    bool aenderungenVerwahren();
    // Puts the open file back into the window as it was last saved, so that nothing discarded
    // is kept in the settings, state or recovery file.
    void aenderungenVerwerfen();
    void zuletztGeoeffnetAufnehmen(const QString& pfad);
    void zuletztGeoeffnetAnzeigen();
    // The reference file the window holds (empty: none), what it held and what it holds as
    // saved, named in the title with the marker of unsaved changes.
    void dateiSetzen(const QString& pfad, const QJsonObject& gelesen,
                     const std::optional<Zeugnisdaten>& gespeichert);
    // A change the user made, with the previews composed anew when it touches them: the
    // title's marker and the recovery file follow it, then geaendert() tells the rest.
    enum class Vorschau { Bleibt, Neu };
    void aenderungVermerken(Vorschau vorschau);
    // The title's marker and the recovery file for the reference as the controls hold it.
    void festhalten(const Zeugnisdaten& jetzt);
    bool ungespeichert(const Zeugnisdaten& jetzt) const;

    // One of the program's own files beyond the settings file (frmzgsichern.cpp): its bytes,
    // nothing when it is missing or cannot be read, which the band then says (`was` names it:
    // "Der Fensterzustand").
    std::optional<QByteArray> lesenOderMelden(const QString& pfad, const QString& was);
    // Keeps the window's state in the recovery file once the start is done. False when it is
    // not kept, which the band says.
    bool sicherungSchreiben();
    bool sicherungSchreiben(const Zeugnisdaten& jetzt);
    std::optional<QString> zustandSpeichern(const Zeugnisdaten& jetzt);
    // The settings file and zustand.json; why each could not be saved.
    QStringList alleSpeichern(const Zeugnisdaten& jetzt);
    // The recovery file after the last save: removed, or kept with what was not saved.
    bool sitzungAbschliessen(const QStringList& fehler, bool ungefragt, const Zeugnisdaten& jetzt);

    Plattform& plattform;
    Sitzung sitzung;
    Hinweisband* hinweisband = nullptr;
    // The last close could not save; the next one closes all the same.
    bool sichernGescheitert = false;
    // tabang(0) is the lower strip, tabang(1) the upper one.
    std::array<Reiterfeld*, 2> tabang{};
    QComboBox* cmbang = nullptr;
    std::array<QLineEdit*, anzahlEingaben> txtang{};
    // Its label says when an interim reference has no leaving date.
    QLabel* austrittsbeschriftung = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    // Index: section number - 1.
    std::array<QButtonGroup*, anzahlBereiche> noten{};
    std::array<QCheckBox*, anzahlBereiche> chkAnz{};
    std::array<Einpassbeschriftung*, anzahlBereiche> lblVorschau{};
    // The phrasing beside each preview; none for the reason, which has one text each.
    std::array<QButtonGroup*, anzahlBereiche> formulierungen{};
    std::array<Bereichstext*, anzahlBereiche> bereichstexte{};
    // The grade each section had when its own text was written, and the reference as the
    // last change left it: a change after it that the own words do not follow is said.
    Textnoten textnoten{};
    Zeugnisdaten zuletzt;
    QLabel* grundueberschrift = nullptr;
    Aufgabenfelder* aufgabenfelder = nullptr;
    Unterschriftfelder* unterschriftfelder = nullptr;
    std::array<QPushButton*, 3> cmdfertig{};
    QPushButton* cmbStandard = nullptr;
    QMenu* mnuDatei = nullptr;
    // Where each section of the file menu ends.
    std::array<QAction*, 3> abschnittsenden{};
    // Made when first asked for, then kept: hidden, it follows no change.
    Zeugnisvorschau* zeugnisvorschau = nullptr;
    // The base document and the letterhead as the last output read them.
    std::optional<Ausgabegrundlage> grundlage;
    std::array<QAction*, zuletztGeoeffneteDateien> mnuZuletzt{};
    Analyseleser analyseleser;
    Analysefenster* analysefenster = nullptr;
    Bausteinablage* bausteinablage = nullptr;
    // Tries the team folder again while it cannot be used; the band's notice about it.
    QTimer* teamwiederholung = nullptr;
    QString teamhinweis;
};

} // namespace velmora
