#pragma once

#include "compose/bewertungsbereich.h"
#include "files/einstellungszeilen.h"
#include "window/angabenfelder.h"
#include "window/frmzg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    const auto element = [&](const QString& name) { return fenster.findChild<QWidget*>(name); };
    const auto tippen = [&](const QString& name) {
        QWidget* feld = element(name);
        feld->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(feld, woerter[zufall() % woerter.size()]);
        QTest::keyClick(feld, Qt::Key_Tab);
    };
    const auto aufReiter = [&](int leiste, int reiter) {
        const bool anderer = fenster.reiter(leiste) != reiter;
        fenster.reiterSetzen(leiste, reiter);
        return anderer;
    };
    const auto klicken = [&](const QString& name) {
        QTest::mouseClick(element(name), Qt::LeftButton);
    };
    const Bewertungsbereich& bereich = bewertungsbereiche[zufall() % anzahlBereiche];
    switch (zufall() % 7) {
    case 0:
        if (const Angabenfeld& feld = angabenfelder[zufall() % angabenfelder.size()];
            !aufReiter(obereLeiste, feld.seite)) {
            tippen(QStringLiteral("txtang(%1)").arg(feld.eingabe));
        }
        break;
    case 1:
        if (!aufReiter(untereLeiste, bereich.nummer - 1)) {
            klicken(
                QStringLiteral("opt%1(%2)").arg(bereich.nummer).arg(zufall() % bereich.stufen()));
        }
        break;
    case 2:
        if (!aufReiter(untereLeiste, bereich.nummer - 1)) {
            klicken(QStringLiteral("chkAnz(%1)").arg(bereich.anzeigeIndex));
        }
        break;
    case 3:
        if (!aufReiter(obereLeiste, 0)) {
            QWidget* anrede = element(QStringLiteral("cmbang"));
            anrede->setFocus(Qt::TabFocusReason);
            QTest::keyClick(anrede, zufall() % 2 ? Qt::Key_Down : Qt::Key_Up);
        }
        break;
    case 4:
        if (zufall() % 2) {
            aufReiter(untereLeiste, int(zufall() % anzahlBereiche));
        } else {
            aufReiter(obereLeiste, int(zufall() % (unterschriftReiter + 1)));
        }
        break;
    case 5:
        if (!aufReiter(obereLeiste, unterschriftReiter)) {
            klicken(QStringLiteral("optArt(%1)").arg(zufall() % 2));
        }
        break;
    default:
        if (!aufReiter(obereLeiste, aufgabenReiter)) {
            tippen(zufall() % 2 ? QStringLiteral("txtAufgaben") : QStringLiteral("txtBereich"));
        }
        break;
    }
}

} // namespace velmora::test
