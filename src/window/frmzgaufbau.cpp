// Building the main window's controls from the tables of inputs and sections.
#include "compose/bewertungsbereich.h"
#include "files/textzeilen.h"
#include "ui/dialogschrift.h"
#include "ui/einpassbeschriftung.h"
#include "ui/hinweisband.h"
#include "ui/listenfeld.h"
#include "ui/markierfeld.h"
#include "ui/optionsgruppe.h"
#include "ui/reiterfeld.h"
#include "ui/twips.h"
#include "window/angabenfelder.h"
#include "window/aufgabenfelder.h"
#include "window/bereichstext.h"
#include "window/fensterlayout.h"
#include "window/frmzg.h"
#include "window/unterschriftfelder.h"
#include "window/warnhinweis.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora {

namespace {

namespace layout = fensterlayout;

const QColor vorschaufarbe(192, 0, 0);

QString indiziert(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont fett(double punkte) {
    QFont schrift = arial(punkte);
    schrift.setBold(true);
    return schrift;
}

QRect aufObererSeite(int links, int oben, int breite, int hoehe) {
    return twipsRechteck(layout::aufObererSeite({links, oben, breite, hoehe}));
}

QLabel* beschriftung(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* linie() {
    auto* strich = new QFrame;
    strich->setObjectName(QStringLiteral("lneZgn"));
    strich->setFrameShape(QFrame::HLine);
    strich->setFrameShadow(QFrame::Plain);
    strich->setLineWidth(1);
    return strich;
}

} // namespace

frmzg::frmzg(Plattform& plattform, QWidget* eltern)
    : QMainWindow(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      plattform(plattform) {
    setObjectName(QStringLiteral("frmzg"));
    setWindowTitle(QStringLiteral("Velmora"));
    // The layout is in twips of fixed boxes: the desktop's own font, often larger, would clip.
    setFont(arial(8.25));

    auto* flaeche = new QWidget;
    flaeche->setFixedSize(twipsRechteck(layout::flaeche).size());
    setCentralWidget(flaeche);

    obereLeisteAufbauen();
    untereLeisteAufbauen();
    knoepfeAufbauen();
    menueAufbauen();
    fokusreihenfolgeSetzen();

    hinweisband = new Hinweisband;
    setStatusBar(hinweisband);
    const QString gekuerzt =
        QStringLiteral("Ein Feld fasst höchstens %1 Zeichen; was darüber hinausging, wurde "
                       "abgeschnitten.")
            .arg(QLocale(QLocale::German).toString(feldlaenge));
    for (Markierfeld* feld : findChildren<Markierfeld*>()) {
        connect(feld, &Markierfeld::gekuerzt, this, [this, gekuerzt] { hinweisZeigen(gekuerzt); });
    }
    for (Listenfeld* feld : findChildren<Listenfeld*>()) {
        connect(feld, &Listenfeld::verweigert, this, &frmzg::hinweisZeigen);
    }
    // A tab changes neither the reference nor its previews; the recovery file keeps it.
    for (Reiterfeld* leiste : tabang) {
        connect(leiste, &Reiterfeld::aktuellerIndexGeaendert, this,
                [this] { festhalten(daten()); });
    }

    // Every control that can hold the focus, also an option button that only a click or an
    // arrow key reaches: Enter moves on from all of them.
    for (QWidget* steuerelement : findChildren<QWidget*>()) {
        if (steuerelement->focusPolicy() != Qt::NoFocus) {
            steuerelement->installEventFilter(this);
        }
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    zuletzt = daten();
}

void frmzg::obereLeisteAufbauen() {
    auto* leiste = new Reiterfeld(layout::obereReiterProZeile, twipsNachPixel(layout::reiterzeile),
                                  centralWidget());
    tabang[obereLeiste] = leiste;
    leiste->setObjectName(indiziert("tabang", obereLeiste));
    leiste->setGeometry(twipsRechteck(layout::obereLeiste));
    for (const std::string_view reiter : angabenreiter) {
        leiste->reiterHinzufuegen(QString::fromUtf8(reiter));
    }
    for (const std::string_view reiter : zusatzreiter) {
        leiste->reiterHinzufuegen(QString::fromUtf8(reiter));
    }

    cmbang = new QComboBox;
    cmbang->setObjectName(QStringLiteral("cmbang"));
    cmbang->addItems({QStringLiteral("Herr"), QStringLiteral("Frau")});
    cmbang->setCurrentIndex(keinGeschlecht);
    leiste->platzieren(0, cmbang, twipsRechteck(layout::aufObererSeite(layout::geschlecht)));
    connect(cmbang, &QComboBox::activated, this, [this] { aenderungVermerken(Vorschau::Neu); });

    for (const Angabenfeld& feld : angabenfelder) {
        const Eingabefeld& eingabe = eingabefelder[feld.eingabe];
        QLabel* label = beschriftung(indiziert("lblallg", feld.beschriftungNr),
                                     QString::fromUtf8(eingabe.beschriftung));
        leiste->platzieren(feld.seite, label,
                           aufObererSeite(feld.beschriftungLinks, feld.beschriftungOben,
                                          feld.beschriftungBreite, layout::beschriftungHoehe));
        if (feld.eingabe == static_cast<int>(Eingabe::Austrittsdatum)) {
            austrittsbeschriftung = label;
        }
        auto* box = new Markierfeld(QString::fromUtf8(eingabe.anfangstext), nullptr);
        box->setObjectName(indiziert("txtang", feld.eingabe));
        leiste->platzieren(
            feld.seite, box,
            aufObererSeite(feld.feldLinks, feld.feldOben, feld.feldBreite, layout::feldHoehe));
        txtang[feld.eingabe] = box;
    }

    Text1 = new QPlainTextEdit(warnhinweis());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(true);
    leiste->platzieren(2, Text1, twipsRechteck(layout::aufObererSeite(layout::warnhinweis)));

    aufgabenfelder = new Aufgabenfelder(*leiste, aufgabenReiter, this);
    connect(aufgabenfelder, &Angabenseite::verlassen, this,
            [this] { aenderungVermerken(Vorschau::Bleibt); });
    unterschriftfelder = new Unterschriftfelder(*leiste, unterschriftReiter, this);
    connect(unterschriftfelder, &Angabenseite::verlassen, this,
            [this] { aenderungVermerken(Vorschau::Bleibt); });
    connect(unterschriftfelder, &Unterschriftfelder::artGewaehlt, this, [this](Zeugnisart art) {
        artAnzeigen(art);
        vorschau();
    });
}

void frmzg::untereLeisteAufbauen() {
    auto* leiste = new Reiterfeld(layout::untereReiterProZeile, twipsNachPixel(layout::reiterzeile),
                                  centralWidget());
    tabang[untereLeiste] = leiste;
    leiste->setObjectName(indiziert("tabang", untereLeiste));
    leiste->setGeometry(twipsRechteck(layout::untereLeiste));
    leiste->setFont(arial(8.25));
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        leiste->reiterHinzufuegen(QString::fromUtf8(bereich.reiter));
    }

    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        const int seite = bereich.nummer - 1;
        const layout::Notengruppe& gruppenlage =
            bereich.istBeendigungsgrund() ? layout::grundgruppen[0] : layout::schulnoten;
        const auto setzen = [&](QWidget* steuerelement, const QRect& ort) {
            leiste->platzieren(seite, steuerelement, ort);
        };

        const auto ueberschrift = [](const QString& text) {
            QLabel* label = beschriftung(QStringLiteral("lblSonst"), text);
            label->setFont(fett(9));
            return label;
        };
        setzen(ueberschrift(QStringLiteral("Anzeige im Zeugnis")),
               twipsRechteck(layout::anzeigeUeberschrift));
        QLabel* gruppenueberschrift = ueberschrift(QString::fromUtf8(bereich.ueberschrift()));
        setzen(gruppenueberschrift, twipsRechteck(gruppenlage.ueberschrift));
        if (bereich.istBeendigungsgrund()) {
            grundueberschrift = gruppenueberschrift;
        }
        for (const Twips& lage : layout::linien) {
            setzen(linie(), twipsRechteck(lage));
        }

        auto* anzeige = new QCheckBox;
        anzeige->setObjectName(indiziert("chkAnz", bereich.anzeigeIndex));
        // A grey state from the settings file ends with the first click. Whether Führungsfähigkeit
        // and Beendigungsgrund go into the reference changes the Schlussformel.
        connect(anzeige, &QCheckBox::clicked, this, [this, anzeige] {
            anzeige->setTristate(false);
            aenderungVermerken(Vorschau::Neu);
        });
        setzen(anzeige, twipsRechteck(layout::anzeige));
        chkAnz[seite] = anzeige;

        auto* rahmen = new QWidget;
        rahmen->setObjectName(indiziert("frmNoten", seite));
        setzen(rahmen, twipsRechteck(gruppenlage.rahmen));
        auto* gruppe = new Optionsgruppe(this);
        const QString gruppenname = QStringLiteral("opt%1").arg(bereich.nummer);
        for (int knopf = 0; knopf < bereich.stufen(); ++knopf) {
            const layout::Knopflage& lage = gruppenlage.knoepfe[knopf];
            auto* note = new QRadioButton(QString::fromUtf8(bereich.knopf(knopf)), rahmen);
            note->setObjectName(indiziert(qPrintable(gruppenname), knopf));
            note->setGeometry(twipsRechteck(lage.links, 0, lage.breite, gruppenlage.knopfHoehe));
            gruppe->knopfAufnehmen(note);
        }
        connect(gruppe, &QButtonGroup::idClicked, this,
                [this] { aenderungVermerken(Vorschau::Neu); });
        noten[seite] = gruppe;

        auto* vorschautext = new Einpassbeschriftung(fett(9.75));
        vorschautext->setObjectName(indiziert("lblVorschau", bereich.vorschauIndex));
        QPalette farben = vorschautext->palette();
        farben.setColor(QPalette::WindowText, vorschaufarbe);
        vorschautext->setPalette(farben);
        Twips vorschaulage = layout::vorschau;
        if (bereich.nummer == 1) {
            vorschaulage.hoehe = layout::vorschauHoeheErsterReiter;
        }
        setzen(vorschautext, twipsRechteck(vorschaulage));
        lblVorschau[seite] = vorschautext;

        if (!bereich.istBeendigungsgrund()) {
            auto* wahl = new Optionsgruppe(this);
            const QString wahlname = QStringLiteral("optFormulierung%1").arg(bereich.nummer);
            for (int knopf = 0; knopf < anzahlFormulierungen; ++knopf) {
                auto* formulierung = new QRadioButton(QString::number(knopf + 1));
                formulierung->setObjectName(indiziert(qPrintable(wahlname), knopf));
                formulierung->setToolTip(QStringLiteral("Formulierung %1").arg(knopf + 1));
                setzen(formulierung, twipsRechteck(layout::formulierungen[knopf]));
                wahl->knopfAufnehmen(formulierung);
            }
            wahl->button(0)->setChecked(true);
            connect(wahl, &QButtonGroup::idClicked, this,
                    [this] { aenderungVermerken(Vorschau::Neu); });
            formulierungen[seite] = wahl;
        }
        auto* eigener = new Bereichstext(*leiste, seite, *vorschautext, this);
        const int nummer = bereich.nummer;
        connect(eigener, &Bereichstext::geschrieben, this,
                [this, nummer](const QString& text) { eigenenTextUebernehmen(nummer, text); });
        connect(eigener, &Bereichstext::wiederherstellen, this,
                [this, nummer] { eigenenTextUebernehmen(nummer, {}); });
        connect(eigener, &Bereichstext::alsBausteinSpeichern, this,
                [this, nummer] { alsBausteinSpeichern(nummer); });
        connect(eigener, &Bereichstext::wahlGefragt, this,
                [this, nummer](QMenu* menue) { bausteinwahlFuellen(nummer, *menue); });
        connect(eigener, &Bereichstext::lesartGefragt, this, [this, nummer](const QString& text) {
            lesartZeigen(nummer, text.toStdString(), noten[nummer - 1]->checkedId() + 1);
        });
        bereichstexte[seite] = eigener;
    }
}

void frmzg::knoepfeAufbauen() {
    static constexpr std::array<const char*, 3> beschriftungen = {
        "Arbeitszeugnis in &Word erstellen", "In die &Zwischenablage kopieren", "&Beenden"};
    for (int i = 0; i < static_cast<int>(beschriftungen.size()); ++i) {
        auto* knopf = new QPushButton(QString::fromUtf8(beschriftungen[i]), centralWidget());
        knopf->setObjectName(indiziert("cmdfertig", i));
        knopf->setGeometry(twipsRechteck(layout::befehlsknoepfe[i]));
        // Enter on a command button presses it.
        knopf->setAutoDefault(true);
        cmdfertig[i] = knopf;
    }
    cmdfertig[0]->setFont(fett(9));
    connect(cmdfertig[0], &QPushButton::clicked, this, &frmzg::zeugniserstellen);
    connect(cmdfertig[1], &QPushButton::clicked, this, &frmzg::kopieren);
    connect(cmdfertig[2], &QPushButton::clicked, this, &QWidget::close);

    // Enter elsewhere presses this button, which lies beyond the right edge of the window and
    // is never seen; it moves the focus on as Tab does.
    cmbStandard = new QPushButton(QStringLiteral("Standardschaltfläche"), centralWidget());
    cmbStandard->setObjectName(QStringLiteral("cmbStandard"));
    cmbStandard->setGeometry(twipsRechteck(layout::standardknopf));
    cmbStandard->setFocusPolicy(Qt::NoFocus);
    connect(cmbStandard, &QPushButton::clicked, this, [this] { focusNextPrevChild(true); });
}

void frmzg::fokusreihenfolgeSetzen() {
    QList<QWidget*> reihe{tabang[obereLeiste], cmbang};
    for (const Angabenfeld& angabe : angabenfelder) {
        if (angabe.seite == 0) {
            reihe.append(txtang[angabe.eingabe]);
        }
    }
    reihe.append(tabang[untereLeiste]);
    reihe.append({cmdfertig[0], cmdfertig[1], cmdfertig[2]});
    for (int i = 0; i < anzahlBereiche; ++i) {
        reihe.append(chkAnz[i]);
        for (QAbstractButton* knopf : noten[i]->buttons()) {
            reihe.append(knopf);
        }
        if (formulierungen[i]) {
            for (QAbstractButton* knopf : formulierungen[i]->buttons()) {
                reihe.append(knopf);
            }
        }
        reihe.append(bereichstexte[i]->fokusreihe());
    }
    for (const Angabenfeld& angabe : angabenfelder) {
        if (angabe.seite == 1) {
            reihe.append(txtang[angabe.eingabe]);
        }
    }
    reihe.append(Text1);
    reihe.append(aufgabenfelder->fokusreihe());
    reihe.append(unterschriftfelder->fokusreihe());
    for (int i = 1; i < reihe.size(); ++i) {
        setTabOrder(reihe[i - 1], reihe[i]);
    }
}

} // namespace velmora
