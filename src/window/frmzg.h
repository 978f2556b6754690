#pragma once

#include "compose/komposition.h"
#include "compose/zeugnisdaten.h"
#include "files/einstellungszeilen.h"

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

namespace velmora {

class Aufgabenfelder;
struct Zeugnisausgabe;
class Einpassbeschriftung;
class Plattform;
class Reiterfeld;
class Unterschriftfelder;

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
    bool knopfGewaehlt(int bereich, int knopf) const;
    void knopfSetzen(int bereich, int knopf, bool an);
    // Grey (a settings file may hold it) counts as not shown.
    Qt::CheckState anzeige(int bereich) const;
    void anzeigeSetzen(int bereich, Qt::CheckState zustand);
    int reiter(int leiste) const;
    void reiterSetzen(int leiste, int index);
    QString vorschautext(int bereich) const;
    // The kind of reference; choosing one relabels Beendigungsgrund and composes.
    Zeugnisart art() const;
    void artSetzen(Zeugnisart art);

    // The inputs as the controls hold them now.
    Zeugnisdaten daten() const;
    // Puts a whole reference into the controls, through the same setters as above, and
    // composes: a section without a grade loses its choice and its preview.
    void datenSetzen(const Zeugnisdaten& daten);
    // Recomposes the previews of all sections from the controls.
    void vorschau();
    // Checks the reference before it becomes a document or a print; with findings the user
    // chooses between going on and going back to what was found. True: go on.
    bool ausgabeFreigeben();
    // Shows what the check finds, each finding leading to its tab.
    void pruefungZeigen();
    // What every document of the reference is made from, as the controls hold it now.
    Zeugnisausgabe ausgabe();
    // The plain text of the reference to the clipboard.
    void kopieren();
    // The reference as a document for the word processor.
    void zeugniserstellen();
    // The end the system asks for (a logout, a signal): saves as a close does, asks nothing
    // and ends the program.
    void sofortBeenden();

signals:
    // The user changed something the window keeps: a box left, a grade, the gender, a flag,
    // a tab, the tasks, the signature, the kind.
    void geaendert();

protected:
    // Closing the window, by whatever way, saves the entries here. False keeps the window
    // open, so that a failed save costs nothing the user typed.
    virtual bool einstellungenSichern();

    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    // The file menu's sections, in their order; each part of the window adds its entries to
    // its own section.
    enum class Menueabschnitt { Zeugnis, Ausgabe, Firma };
    QAction* menueeintrag(Menueabschnitt abschnitt, const char* name, const QString& text,
                          const QKeySequence& kuerzel = {});

private:
    void obereLeisteAufbauen();
    void untereLeisteAufbauen();
    void knoepfeAufbauen();
    void menueAufbauen();
    // "Fir&menprofil…" in the file menu's section of the company.
    void firmenprofilEintragen();
    void fokusreihenfolgeSetzen();
    // Beendigungsgrund's tab, heading and buttons as the kind names them.
    void artAnzeigen(Zeugnisart art);

    // What leaving a text box does: a date box normalises its date, then all compose.
    void feldVerlassen(int index);
    // An output sees what the user sees: the box that has the focus is left first.
    void eingabeAbschliessen();
    std::array<std::string, anzahlBereiche> angezeigteVorschautexte() const;

    Plattform& plattform;
    // The last close could not save; the next one closes all the same.
    bool sichernGescheitert = false;
    // tabang(0) is the lower strip, tabang(1) the upper one.
    std::array<Reiterfeld*, 2> tabang{};
    QComboBox* cmbang = nullptr;
    std::array<QLineEdit*, anzahlEingaben> txtang{};
    QPlainTextEdit* Text1 = nullptr;
    // Index: section number - 1.
    std::array<QButtonGroup*, anzahlBereiche> noten{};
    std::array<QCheckBox*, anzahlBereiche> chkAnz{};
    std::array<Einpassbeschriftung*, anzahlBereiche> lblVorschau{};
    QLabel* grundueberschrift = nullptr;
    Aufgabenfelder* aufgabenfelder = nullptr;
    Unterschriftfelder* unterschriftfelder = nullptr;
    std::array<QPushButton*, 3> cmdfertig{};
    QPushButton* cmbStandard = nullptr;
    QMenu* mnuDatei = nullptr;
    // Where each section of the file menu ends.
    std::array<QAction*, 3> abschnittsenden{};
};

} // namespace velmora
