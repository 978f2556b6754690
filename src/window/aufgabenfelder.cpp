#include "window/aufgabenfelder.h"

#include "ui/absatzfeld.h"
#include "ui/markierfeld.h"
#include "ui/reiterfeld.h"
#include "window/fensterlayout.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace velmora {

namespace {

namespace layout = fensterlayout;

QLabel* beschriftung(const QString& text, QWidget* fuer) {
    auto* label = new QLabel(text);
    label->setBuddy(fuer);
    return label;
}

} // namespace

Aufgabenfelder::Aufgabenfelder(Reiterfeld& leiste, int seite, QObject* eltern)
    : QObject(eltern), txtBereich(new Markierfeld({}, nullptr)), txtAufgaben(new QPlainTextEdit),
      txtErfolge(new Absatzfeld) {
    txtBereich->setObjectName(QStringLiteral("txtBereich"));
    txtAufgaben->setObjectName(QStringLiteral("txtAufgaben"));
    txtAufgaben->setTabChangesFocus(true);
    txtErfolge->setObjectName(QStringLiteral("txtErfolge"));
    const auto setzen = [&](QWidget* steuerelement, const Twips& lage) {
        leiste.platzieren(seite, steuerelement, twipsRechteck(layout::aufObererSeite(lage)));
    };
    setzen(beschriftung(QStringLiteral("Bereic&h"), txtBereich), layout::bereichBeschriftung);
    setzen(txtBereich, layout::bereichFeld);
    setzen(beschriftung(QStringLiteral("Aufgaben, eine &je Zeile"), txtAufgaben),
           layout::aufgabenBeschriftung);
    setzen(txtAufgaben, layout::aufgabenFeld);
    setzen(beschriftung(QStringLiteral("Besondere Erf&olge"), txtErfolge),
           layout::erfolgeBeschriftung);
    setzen(txtErfolge, layout::erfolgeFeld);
    for (QWidget* feld : fokusreihe()) {
        feld->installEventFilter(this);
    }
}

Aufgaben Aufgabenfelder::aufgaben() const {
    Aufgaben aufgaben;
    aufgaben.bereich = txtBereich->text().toStdString();
    const QString liste = txtAufgaben->toPlainText();
    if (!liste.isEmpty()) {
        for (const QString& aufgabe : liste.split(QLatin1Char('\n'))) {
            aufgaben.liste.push_back(aufgabe.toStdString());
        }
    }
    aufgaben.erfolge = txtErfolge->toPlainText().toStdString();
    return aufgaben;
}

void Aufgabenfelder::setzen(const Aufgaben& aufgaben) {
    txtBereich->setText(QString::fromStdString(aufgaben.bereich));
    QStringList liste;
    for (const std::string& aufgabe : aufgaben.liste) {
        liste.append(QString::fromStdString(aufgabe));
    }
    txtAufgaben->setPlainText(liste.join(QLatin1Char('\n')));
    txtErfolge->setPlainText(QString::fromStdString(aufgaben.erfolge));
}

QList<QWidget*> Aufgabenfelder::fokusreihe() const {
    return {txtBereich, txtAufgaben, txtErfolge};
}

bool Aufgabenfelder::nimmtZeilen(const QObject* steuerelement) const {
    return steuerelement == txtAufgaben;
}

bool Aufgabenfelder::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        emit verlassen();
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace velmora
