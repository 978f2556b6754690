#pragma once

#include "app/programmstart.h"
#include "platform/dateischicht.h"
#include "support/fakeplattform.h"
#include "ui/hinweisband.h"
#include "window/angabenfelder.h"
#include "window/frmzg.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

namespace velmora::test {

// The main window started as the program starts it, on the recording platform, with the
// data folder's files at hand. A start after `absturz()` finds what a crash would leave.
class Sitzungsfenster {
public:
    std::unique_ptr<FakePlattform> plattform = std::make_unique<FakePlattform>();
    std::unique_ptr<frmzg> fenster;

    void starten(const std::optional<QString>& datei = std::nullopt) {
        fenster = std::make_unique<frmzg>(*plattform);
        programmstart(*fenster, *plattform, datei);
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    // Gone without a close: nothing is saved on the way out.
    void absturz() { fenster.reset(); }

    QString pfad(const QString& name) const { return plattform->datenordnerPfad + '/' + name; }
    void ablegen(const QString& name, const QByteArray& inhalt,
                 Dateiart art = Dateiart::Eigen) const {
        QVERIFY(dateischicht::ersetzen(name.startsWith('/') ? name : pfad(name), art, inhalt, {}));
    }
    std::optional<QByteArray> lesen(const QString& name) const {
        return dateischicht::lesen(name.startsWith('/') ? name : pfad(name), Dateiart::Dokument,
                                   1 << 26);
    }

    QStringList hinweise() const { return fenster->findChild<Hinweisband*>()->hinweise(); }
    QLineEdit* box(int i) const {
        return fenster->findChild<QLineEdit*>(QStringLiteral("txtang(%1)").arg(i));
    }
    // What a user does: a box reached by Tab, typed into, and left by Tab.
    void eintippen(int i, const QString& text) const {
        for (const Angabenfeld& feld : angabenfelder) {
            if (feld.eingabe == i) {
                fenster->reiterSetzen(obereLeiste, feld.seite);
            }
        }
        box(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box(i), text);
        QTest::keyClick(box(i), Qt::Key_Tab);
    }
};

} // namespace velmora::test
