#include "window/unterschriftfelder.h"

#include "ui/markierfeld.h"
#include "ui/optionsgruppe.h"
#include "ui/vollmachtfeld.h"
#include "window/fensterlayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace velmora {

namespace {

constexpr std::array<const char*, anzahlZeugnisarten> artnamen = {"Endzeugnis", "Zwisc&henzeugnis"};

} // namespace

Unterschriftfelder::Unterschriftfelder(Reiterfeld& leiste, int seite, QObject* eltern)
    : Angabenseite(leiste, seite, eltern), txtUnterzeichner(new Markierfeld({}, nullptr)),
      txtFunktion(new Markierfeld({}, nullptr)), cmbVollmacht(new Vollmachtfeld),
      chkGeburtsangaben(new QCheckBox(QStringLiteral("Geburtsdatum und -&ort nennen"))),
      optArt(new Optionsgruppe(this)) {
    txtUnterzeichner->setObjectName(QStringLiteral("txtUnterzeichner"));
    txtFunktion->setObjectName(QStringLiteral("txtFunktion"));
    chkGeburtsangaben->setObjectName(QStringLiteral("chkGeburtsangaben"));
    chkGeburtsangaben->setChecked(true);

    feldSetzen(QStringLiteral("Na&me"), txtUnterzeichner, fensterlayout::unterzeichner);
    feldSetzen(QStringLiteral("&Vollmacht"), cmbVollmacht, fensterlayout::vollmacht);
    feldSetzen(QStringLiteral("Fun&ktion"), txtFunktion, fensterlayout::funktion);
    platzieren(chkGeburtsangaben, fensterlayout::geburtsangaben);
    platzieren(new QLabel(QStringLiteral("Art des Zeugnisses")), fensterlayout::artBeschriftung);
    for (int i = 0; i < anzahlZeugnisarten; ++i) {
        auto* knopf = new QRadioButton(QString::fromUtf8(artnamen[i]));
        knopf->setObjectName(QStringLiteral("optArt(%1)").arg(i));
        platzieren(knopf, fensterlayout::artKnoepfe[i]);
        optArt->knopfAufnehmen(knopf);
    }
    optArt->button(static_cast<int>(artIndex(Zeugnisart::Endzeugnis)))->setChecked(true);

    // Only another kind composes anew. It is chosen before the click that chose it ends, so
    // the kind is announced before the page is left.
    connect(optArt, &QButtonGroup::idToggled, this, [this](int, bool gewaehlt) {
        if (gewaehlt) {
            emit artGewaehlt(art());
        }
    });
    connect(optArt, &QButtonGroup::idClicked, this, &Angabenseite::verlassen);
    connect(cmbVollmacht, &QComboBox::activated, this, &Angabenseite::verlassen);
    connect(chkGeburtsangaben, &QCheckBox::clicked, this, &Angabenseite::verlassen);
    for (Markierfeld* feld : {txtUnterzeichner, txtFunktion}) {
        beobachten(feld);
    }
}

Unterzeichner Unterschriftfelder::unterzeichner() const {
    return {txtUnterzeichner->text().toStdString(), txtFunktion->text().toStdString(),
            cmbVollmacht->wert()};
}

void Unterschriftfelder::unterzeichnerSetzen(const Unterzeichner& unterzeichner) {
    txtUnterzeichner->setText(QString::fromStdString(unterzeichner.name));
    txtFunktion->setText(QString::fromStdString(unterzeichner.funktion));
    cmbVollmacht->wertSetzen(unterzeichner.zusatz);
}

bool Unterschriftfelder::geburtsangaben() const {
    return chkGeburtsangaben->isChecked();
}

void Unterschriftfelder::geburtsangabenSetzen(bool nennen) {
    chkGeburtsangaben->setChecked(nennen);
}

Zeugnisart Unterschriftfelder::art() const {
    return optArt->checkedId() == static_cast<int>(artIndex(Zeugnisart::Zwischenzeugnis))
               ? Zeugnisart::Zwischenzeugnis
               : Zeugnisart::Endzeugnis;
}

void Unterschriftfelder::artSetzen(Zeugnisart art) {
    optArt->button(static_cast<int>(artIndex(art)))->setChecked(true);
}

QList<QWidget*> Unterschriftfelder::fokusreihe() const {
    QList<QWidget*> reihe{txtUnterzeichner, cmbVollmacht, txtFunktion, chkGeburtsangaben};
    for (QAbstractButton* knopf : optArt->buttons()) {
        reihe.append(knopf);
    }
    return reihe;
}

} // namespace velmora
