#pragma once

#include "compose/bewertungsbereich.h"
#include "files/einstellungszeilen.h"
#include "window/angabenfelder.h"
#include "window/frmzg.h"

#include <QTest>

#include <array>
#include <random>

namespace velmora::test {

// One edit as a user makes it, chosen at random: a box typed into and left, a grade or a show
// flag clicked, the gender or the kind chosen, a tab or the tasks. A control on a tab not shown
// is reached by choosing the tab first, an edit of its own. The same generator and the same
// window state give the same edit, so a second window can follow the first.
inline void zufaelligBearbeiten(frmzg& fenster, std::mt19937& zufall) {
    static constexpr std::array<const char*, 8> woerter = {
        "Erika", "Schmidt", "1.4.95", "Lager & Co", "  Bonn ", "31.12.2003", "x", ""};
    const Bewertungsbereich& b = bewertungsbereiche[zufall() % anzahlBereiche];
    const Angabenfeld& feld = angabenfelder[zufall() % angabenfelder.size()];
    const unsigned zahl = zufall(); // the button, the word, the direction
    // Each edit as the tab it is made on and the control used there; none: the tab alone.
    const struct {
        int leiste, reiter;
        QString name;
    } bearbeitungen[] = {
        {obereLeiste, feld.seite, QStringLiteral("txtang(%1)").arg(feld.eingabe)},
        {untereLeiste, b.nummer - 1,
         QStringLiteral("opt%1(%2)").arg(b.nummer).arg(zahl % b.stufen())},
        {untereLeiste, b.nummer - 1, QStringLiteral("chkAnz(%1)").arg(b.anzeigeIndex)},
        {obereLeiste, 0, QStringLiteral("cmbang")},
        {obereLeiste, unterschriftReiter, QStringLiteral("optArt(%1)").arg(zahl % 2)},
        {obereLeiste, aufgabenReiter, zahl % 2 ? "txtAufgaben" : "txtBereich"},
        {untereLeiste, int(zahl % anzahlBereiche), {}},
        {obereLeiste, int(zahl % (unterschriftReiter + 1)), {}}};
    const auto& [leiste, reiter, name] = bearbeitungen[zufall() % std::size(bearbeitungen)];
    if (name.isEmpty() || fenster.reiter(leiste) != reiter) {
        fenster.reiterSetzen(leiste, reiter);
        return;
    }
    QWidget* element = fenster.findChild<QWidget*>(name);
    if (!name.startsWith("txt") && name != "cmbang") {
        QTest::mouseClick(element, Qt::LeftButton);
        return;
    }
    element->setFocus(Qt::TabFocusReason);
    if (name == "cmbang") {
        QTest::keyClick(element, zahl % 2 ? Qt::Key_Down : Qt::Key_Up);
    } else {
        QTest::keyClicks(element, woerter[zahl % woerter.size()]);
        QTest::keyClick(element, Qt::Key_Tab);
    }
}

} // namespace velmora::test
