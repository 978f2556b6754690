#include "window/bereichstext.h"

#include "ui/absatzfeld.h"
#include "ui/einpassbeschriftung.h"
#include "ui/fokuswechsel.h"
#include "ui/reiterfeld.h"
#include "ui/twips.h"
#include "window/fensterlayout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace velmora {

namespace {

namespace layout = fensterlayout;

// The reading in the preview's family, smaller and not bold: it comments on the text.
QFont lesartSchrift(const Einpassbeschriftung& vorschau) {
    QFont schrift = vorschau.nennschrift();
    schrift.setBold(false);
    schrift.setPointSizeF(8.25);
    return schrift;
}

} // namespace

Bereichstext::Bereichstext(Reiterfeld& leiste, int seite, Einpassbeschriftung& vorschau,
                           QObject* eltern)
    : QObject(eltern), vorschau(vorschau), ganz(vorschau.geometry()),
      lesart(new Einpassbeschriftung(lesartSchrift(vorschau), vorschau.parentWidget())),
      anpassen(new QPushButton(QStringLiteral("Te&xt anpassen"))), feld(new Absatzfeld),
      marke(new QLabel(QStringLiteral("eigener Text"))),
      zurueck(new QPushButton(QStringLiteral("Textbaustein wiederherstellen"))),
      alsBaustein(new QPushButton(QStringLiteral("Als Textbaustein speichern"))),
      wahl(new QPushButton(QStringLiteral("Textbaustein verwenden"))) {
    const QString nummer = QString::number(seite);
    anpassen->setObjectName(QStringLiteral("cmdText(%1)").arg(nummer));
    feld->setObjectName(QStringLiteral("txtEigen(%1)").arg(nummer));
    marke->setObjectName(QStringLiteral("lblEigen(%1)").arg(nummer));
    zurueck->setObjectName(QStringLiteral("cmdBaustein(%1)").arg(nummer));
    lesart->setObjectName(QStringLiteral("lblLesart(%1)").arg(nummer));
    alsBaustein->setObjectName(QStringLiteral("cmdAlsBaustein(%1)").arg(nummer));
    wahl->setObjectName(QStringLiteral("cmdBausteinwahl(%1)").arg(nummer));
    leiste.platzieren(seite, anpassen, twipsRechteck(layout::textAnpassen));
    marke->setParent(vorschau.parentWidget());
    leiste.platzieren(seite, zurueck, twipsRechteck(layout::bausteinZurueck));
    leiste.platzieren(seite, wahl, twipsRechteck(layout::bausteinWahl));
    leiste.platzieren(seite, alsBaustein, twipsRechteck(layout::bausteinSpeichern));
    auto* bausteinmenue = new QMenu(wahl);
    wahl->setMenu(bausteinmenue);
    wahlmenueFuellen(*bausteinmenue);
    feld->setParent(vorschau.parentWidget());
    feld->setGeometry(vorschau.geometry());
    feld->setContextMenuPolicy(Qt::CustomContextMenu);
    feld->hide();
    lesart->hide();
    marke->hide();
    zurueck->hide();
    alsBaustein->hide();

    connect(anpassen, &QPushButton::clicked, this, &Bereichstext::bearbeiten);
    connect(zurueck, &QPushButton::clicked, this, &Bereichstext::wiederherstellen);
    connect(alsBaustein, &QPushButton::clicked, this, &Bereichstext::alsBausteinSpeichern);
    connect(feld, &QWidget::customContextMenuRequested, this, &Bereichstext::kontextmenue);
    connect(feld, &QPlainTextEdit::textChanged, this, [this] {
        if (offen) {
            emit lesartGefragt(feld->toPlainText());
        }
    });
    vorschau.installEventFilter(this);
    feld->installEventFilter(this);
}

void Bereichstext::eigenerTextSetzen(const QString& text, const std::string& bausteinId) {
    eigener = text;
    baustein = text.isEmpty() ? std::string() : bausteinId;
    if (text.isEmpty() && !offen) {
        lesartZeigen({});
    }
    // The row below offers what fits the section: with own words, the way back and keeping
    // them; without, the blocks to choose from (with own words, in the box's context menu).
    marke->setVisible(!text.isEmpty());
    zurueck->setVisible(!text.isEmpty());
    alsBaustein->setVisible(!text.isEmpty());
    wahl->setVisible(text.isEmpty());
}

void Bereichstext::wahlmenueFuellen(QMenu& menue) {
    connect(&menue, &QMenu::aboutToShow, this, [this, &menue] {
        menue.clear();
        emit wahlGefragt(&menue);
    });
}

void Bereichstext::bearbeiten() {
    if (offen) {
        return;
    }
    // The preview's font, taken only now: the window's first picture need not load it.
    feld->setFont(vorschau.nennschrift());
    feld->setPlainText(vorschau.text());
    offen = true;
    emit lesartGefragt(feld->toPlainText());
    feld->moveCursor(QTextCursor::End);
    vorschau.hide();
    feld->show();
    feld->setFocus(Qt::OtherFocusReason);
}

void Bereichstext::abschliessen() {
    if (offen) {
        const QString text = feld->toPlainText();
        schliessen();
        emit geschrieben(text);
    }
}

void Bereichstext::schliessen() {
    offen = false;
    const bool fokus = feld->hasFocus();
    feld->hide();
    vorschau.show();
    if (fokus) {
        anpassen->setFocus(Qt::OtherFocusReason);
    }
}

void Bereichstext::lesartZeigen(const QString& text) {
    QRect oben = ganz;
    const bool eigen = !eigener.isEmpty();
    if (!text.isEmpty() || eigen) {
        const int hoehe = twipsNachPixel(layout::lesartHoehe);
        oben.setBottom(ganz.bottom() - hoehe);
        const int marke = eigen ? twipsNachPixel(layout::eigenerTextMarkeBreite) : 0;
        this->marke->setGeometry(ganz.left(), oben.bottom() + 1, marke, hoehe);
        lesart->setGeometry(ganz.left() + marke, oben.bottom() + 1, ganz.width() - marke, hoehe);
        lesart->textSetzen(text);
        lesart->setToolTip(text);
    }
    lesart->setVisible(!text.isEmpty());
    vorschau.setGeometry(oben);
    feld->setGeometry(oben);
}

QList<QWidget*> Bereichstext::fokusreihe() const {
    return {anpassen, feld, wahl, zurueck, alsBaustein};
}

void Bereichstext::kontextmenue(const QPoint& ort) {
    QMenu* menue = feld->createStandardContextMenu();
    menue->addSeparator();
    menue->addAction(QStringLiteral("Textbaustein wiederherstellen"), this, [this] {
        schliessen();
        emit wiederherstellen();
    });
    // A block chosen replaces the words in the box: the box closes without writing them back.
    QMenu* untermenue = menue->addMenu(QStringLiteral("Textbaustein verwenden"));
    wahlmenueFuellen(*untermenue);
    connect(untermenue, &QMenu::triggered, this, &Bereichstext::schliessen);
    menue->addAction(QStringLiteral("Als Textbaustein speichern"), this, [this] {
        abschliessen();
        if (!eigener.isEmpty()) {
            emit alsBausteinSpeichern();
        }
    });
    menue->exec(feld->mapToGlobal(ort));
    delete menue;
}

bool Bereichstext::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == &vorschau && ereignis->type() == QEvent::MouseButtonDblClick) {
        bearbeiten();
        return true;
    }
    if (objekt == feld && offen) {
        if (ereignis->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
            schliessen();
            // The reading followed the typing; it goes back to the words kept.
            if (eigener.isEmpty()) {
                lesartZeigen({});
            } else {
                emit lesartGefragt(eigener);
            }
            return true;
        }
        if (ereignis->type() == QEvent::FocusOut &&
            verlassenDurchBenutzer(static_cast<QFocusEvent*>(ereignis)->reason())) {
            abschliessen();
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace velmora
