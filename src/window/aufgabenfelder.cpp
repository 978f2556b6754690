#include "window/aufgabenfelder.h"

#include "ui/absatzfeld.h"
#include "ui/listenfeld.h"
#include "ui/markierfeld.h"
#include "ui/zeilenliste.h"
#include "window/fensterlayout.h"

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
      txtErfolge(new Absatzfeld) {
    txtBereich->setObjectName(QStringLiteral("txtBereich"));
    txtAufgaben->setObjectName(QStringLiteral("txtAufgaben"));
    txtAufgaben->setTabChangesFocus(true);
    txtErfolge->setObjectName(QStringLiteral("txtErfolge"));
    feldSetzen(QStringLiteral("Bereic&h"), txtBereich, fensterlayout::bereich);
    feldSetzen(QStringLiteral("Aufgaben, eine &je Zeile"), txtAufgaben, fensterlayout::aufgaben);
    feldSetzen(QStringLiteral("Besondere Erf&olge"), txtErfolge, fensterlayout::erfolge);
    for (QWidget* feld : fokusreihe()) {
        beobachten(feld);
    }
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
    txtBereich->setText(QString::fromStdString(aufgaben.bereich));
    txtAufgaben->setPlainText(zeilentext(aufgaben.liste));
    txtErfolge->setPlainText(QString::fromStdString(aufgaben.erfolge));
}

QList<QWidget*> Aufgabenfelder::fokusreihe() const {
    return {txtBereich, txtAufgaben, txtErfolge};
}

bool Aufgabenfelder::nimmtZeilen(const QObject* steuerelement) const {
    return steuerelement == txtAufgaben;
}

} // namespace velmora
