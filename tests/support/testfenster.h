#pragma once

#include "app/programmstart.h"
#include "platform/dateischicht.h"
#include "storage/zeugnisdatei.h"
#include "support/fakeplattform.h"
#include "ui/hinweisband.h"
#include "window/angabenfelder.h"
#include "window/frmzg.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace velmora::test {

// The main window on the recording platform, as the window and program tests drive it: shown
// alone or started as the program starts it, its controls found by name and used as a user
// uses them, the data and documents folders at hand. A start after `absturz()` finds what a
// crash would leave.
class Testfenster {
public:
    std::unique_ptr<FakePlattform> plattform = std::make_unique<FakePlattform>();
    std::unique_ptr<frmzg> fenster;

    void zeigen() {
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void starten(const std::optional<QString>& datei = std::nullopt) {
        fenster = std::make_unique<frmzg>(*plattform);
        programmstart(*fenster, *plattform, datei);
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    // Gone without a close: nothing is saved on the way out.
    void absturz() { fenster.reset(); }

    template <typename T = QWidget> T* element(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        return gefunden ? gefunden : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit* box(int i) const { return element<QLineEdit>(QStringLiteral("txtang(%1)").arg(i)); }
    void klicken(const QString& name) const { QTest::mouseClick(element(name), Qt::LeftButton); }
    void menue(const QString& name) const { element<QAction>(name)->trigger(); }
    // Reached by Tab, a box has its text selected, so typing replaces it.
    void tippen(QWidget* feld, const QString& text) const {
        feld->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(feld, text);
    }
    void tippen(int i, const QString& text) const { tippen(box(i), text); }
    // What a user does: the box's tab chosen, the box typed into and left by Tab.
    void eintippen(int i, const QString& text) const {
        for (const Angabenfeld& feld : angabenfelder) {
            if (feld.eingabe == i) {
                fenster->reiterSetzen(obereLeiste, feld.seite);
            }
        }
        tippen(i, text);
        QTest::keyClick(box(i), Qt::Key_Tab);
    }
    QStringList hinweise() const { return element<Hinweisband>({})->hinweise(); }

    // A name in the data folder; an absolute path stands for itself.
    QString pfad(const QString& name) const {
        return name.startsWith('/') ? name : plattform->datenordnerPfad + '/' + name;
    }
    QString dokument(const QString& name) const {
        return plattform->dokumentenordnerPfad + '/' + name;
    }
    void ablegen(const QString& name, const QByteArray& inhalt,
                 Dateiart art = Dateiart::Eigen) const {
        QVERIFY(dateischicht::ersetzen(pfad(name), art, inhalt, {}));
    }
    // A reference file in the documents folder; its path.
    QString zeugnisAblegen(const QString& name, const Zeugnisdaten& daten = {}) const {
        ablegen(dokument(name), zeugnisdateiSchreiben(daten), Dateiart::Dokument);
        return dokument(name);
    }
    std::optional<QByteArray> lesen(const QString& name) const {
        return dateischicht::lesen(pfad(name), Dateiart::Dokument, 1 << 26);
    }
};

} // namespace velmora::test
