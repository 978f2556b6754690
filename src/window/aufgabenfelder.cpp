#include "window/aufgabenfelder.h"

#include "ui/absatzfeld.h"
#include "ui/dialogschrift.h"
#include "ui/listenfeld.h"
#include "ui/markierfeld.h"
#include "ui/reiterfeld.h"
#include "ui/zeilenliste.h"
#include "window/fensterlayout.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolTip>

namespace velmora {

namespace {

// Far beyond what any reference lists, and still edited without waiting.
constexpr int hoechsteAufgaben = 2000;
constexpr int hoechsteAufgabenlaenge = 100000;

} // namespace

Aufgabenfelder::Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern)
    : Angabenseite(leiste, seite, eltern), txtBereich(new Markierfeld({}, nullptr)),
      txtAufgaben(new Listenfeld(hoechsteAufgaben, hoechsteAufgabenlaenge)),
      txtErfolge(new Absatzfeld), lblLesart(new QLabel(leiste.parentWidget())) {
    txtBereich->setObjectName(QStringLiteral("txtBereich"));
    txtAufgaben->setObjectName(QStringLiteral("txtAufgaben"));
    txtAufgaben->setTabChangesFocus(true);
    txtErfolge->setObjectName(QStringLiteral("txtErfolge"));
    lblLesart->setObjectName(QStringLiteral("lblAufgabenLesart"));
    // The page has no line to spare: the reading stands below the boxes like a tooltip that
    // stays while the user types, over the strip below, and goes when the page is left.
    lblLesart->setFont(arial(8.25));
    lblLesart->setWordWrap(true);
    lblLesart->setAutoFillBackground(true);
    lblLesart->setPalette(QToolTip::palette());
    lblLesart->setFrameShape(QFrame::Box);
    lblLesart->setMargin(3);
    lblLesart->hide();
    feldSetzen(QStringLiteral("Bereic&h"), txtBereich, fensterlayout::bereich);
    feldSetzen(QStringLiteral("Aufgaben, eine &je Zeile"), txtAufgaben, fensterlayout::aufgaben);
    feldSetzen(QStringLiteral("Besondere Erf&olge"), txtErfolge, fensterlayout::erfolge);
    for (QWidget* feld : fokusreihe()) {
        beobachten(feld);
    }
    const auto getippt = [this](const QWidget* feld) {
        return [this, feld] {
            if (!fuellend) {
                lesen(feld);
            }
        };
    };
    connect(txtBereich, &QLineEdit::textChanged, this, getippt(txtBereich));
    connect(txtAufgaben, &QPlainTextEdit::textChanged, this, getippt(txtAufgaben));
    connect(txtErfolge, &QPlainTextEdit::textChanged, this, getippt(txtErfolge));
}

Aufgaben Aufgabenfelder::aufgaben() const {
    Aufgaben aufgaben;
    aufgaben.bereich = txtBereich->text().toStdString();
    // Every line is a task, an empty one too; only an empty box holds none.
    const QString liste = txtAufgaben->toPlainText();
    if (!liste.isEmpty()) {
        aufgaben.liste = zeilenliste(liste.split(QLatin1Char('\n')));
    }
    aufgaben.erfolge = txtErfolge->toPlainText().toStdString();
    return aufgaben;
}

void Aufgabenfelder::setzen(const Aufgaben& aufgaben) {
    fuellend = true;
    txtBereich->setText(QString::fromStdString(aufgaben.bereich));
    txtAufgaben->setPlainText(zeilentext(aufgaben.liste));
    txtErfolge->setPlainText(QString::fromStdString(aufgaben.erfolge));
    fuellend = false;
    // What was read no longer stands there; the next box the user enters is read.
    gelesen = nullptr;
    lblLesart->clear();
    lblLesart->hide();
    if (QWidget* feld = QApplication::focusWidget(); fokusreihe().contains(feld)) {
        lesen(feld);
    }
}

QList<QWidget*> Aufgabenfelder::fokusreihe() const {
    return {txtBereich, txtAufgaben, txtErfolge};
}

bool Aufgabenfelder::nimmtZeilen(const QObject* steuerelement) const {
    return steuerelement == txtAufgaben;
}

bool Aufgabenfelder::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusIn) {
        if (objekt != gelesen) {
            lesen(static_cast<QWidget*>(objekt));
        } else {
            anzeigen();
        }
    } else if (ereignis->type() == QEvent::FocusOut &&
               !fokusreihe().contains(QApplication::focusWidget())) {
        lblLesart->hide();
    }
    return Angabenseite::eventFilter(objekt, ereignis);
}

void Aufgabenfelder::lesen(const QWidget* feld) {
    gelesen = feld;
    // The box named first: the reading may stand below a box that no longer has the focus.
    QString text;
    if (feld == txtAufgaben) {
        const QString liste = txtAufgaben->toPlainText();
        if (!liste.trimmed().isEmpty()) {
            text = QStringLiteral("Aufgaben: ") +
                   rueckmeldung(aufgabenlesart.lesen(liste.split(QLatin1Char('\n'))), 0);
        }
    } else {
        const bool bereich = feld == txtBereich;
        const QString getippt =
            (bereich ? txtBereich->text() : txtErfolge->toPlainText()).trimmed();
        if (!getippt.isEmpty()) {
            text = (bereich ? QStringLiteral("Bereich: ") : QStringLiteral("Besondere Erfolge: ")) +
                   rueckmeldung(getipptLesart(getippt.toStdString()), 0);
        }
    }
    lblLesart->setText(QString(text).replace(QLatin1Char('\n'), QStringLiteral(" – ")));
    anzeigen();
}

void Aufgabenfelder::anzeigen() {
    if (lblLesart->text().isEmpty() || !fokusreihe().contains(QApplication::focusWidget())) {
        lblLesart->hide();
        return;
    }
    QWidget* grund = lblLesart->parentWidget();
    const QPoint links = txtAufgaben->mapTo(grund, QPoint(0, txtAufgaben->height() + 2));
    const int breite = txtErfolge->mapTo(grund, QPoint(txtErfolge->width(), 0)).x() - links.x();
    lblLesart->setGeometry(links.x(), links.y(), breite, lblLesart->heightForWidth(breite));
    lblLesart->show();
    lblLesart->raise();
}

} // namespace velmora
