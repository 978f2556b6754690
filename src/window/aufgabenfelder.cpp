#include "window/aufgabenfelder.h"

#include "ui/absatzfeld.h"
#include "ui/dialogschrift.h"
#include "ui/einpassbeschriftung.h"
#include "ui/listenfeld.h"
#include "ui/markierfeld.h"
#include "ui/zeilenliste.h"
#include "window/fensterlayout.h"

#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>

namespace velmora {

namespace {

// Far beyond what any reference lists, and still edited without waiting.
constexpr int hoechsteAufgaben = 2000;
constexpr int hoechsteAufgabenlaenge = 100000;

} // namespace

Aufgabenfelder::Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern)
    : Angabenseite(leiste, seite, eltern), txtBereich(new Markierfeld({}, nullptr)),
      txtAufgaben(new Listenfeld(hoechsteAufgaben, hoechsteAufgabenlaenge)),
      txtErfolge(new Absatzfeld), lblLesart(new Einpassbeschriftung(arial(8.25))) {
    txtBereich->setObjectName(QStringLiteral("txtBereich"));
    txtAufgaben->setObjectName(QStringLiteral("txtAufgaben"));
    txtAufgaben->setTabChangesFocus(true);
    txtErfolge->setObjectName(QStringLiteral("txtErfolge"));
    lblLesart->setObjectName(QStringLiteral("lblAufgabenLesart"));
    feldSetzen(QStringLiteral("Bereic&h"), txtBereich, fensterlayout::bereich);
    feldSetzen(QStringLiteral("Aufgaben, eine &je Zeile"), txtAufgaben, fensterlayout::aufgaben);
    feldSetzen(QStringLiteral("Besondere Erf&olge"), txtErfolge, fensterlayout::erfolge);
    platzieren(lblLesart, fensterlayout::aufgabenLesart);
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
    lblLesart->textSetzen({});
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
    if (ereignis->type() == QEvent::FocusIn && objekt != gelesen) {
        lesen(static_cast<QWidget*>(objekt));
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
    // Two lines hold little: the codes run on after the grade, and the tooltip sets them apart.
    lblLesart->textSetzen(QString(text).replace(QLatin1Char('\n'), QStringLiteral(" – ")));
    lblLesart->setToolTip(text);
}

} // namespace velmora
