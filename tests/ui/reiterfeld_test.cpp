#include "ui/reiterfeld.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace velmora;

class ReiterfeldTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> fenster;
    Reiterfeld* feld = nullptr;
    QLineEdit* anderes = nullptr;

private slots:
    // Thirteen tabs, five per row, as the lower strip of the main window has them.
    void init() {
        fenster = std::make_unique<QWidget>();
        feld = new Reiterfeld(5, 24, fenster.get());
        feld->setGeometry(0, 30, 500, 270);
        for (const char* text : {"&Aa", "&Beurteilung", "&Aber", "Dd", "Eignung und Einsatz", "Ff",
                                 "Gg", "Hh", "Ii", "Jj", "Kk", "Ll", "Mm"}) {
            feld->reiterHinzufuegen(text);
        }
        anderes = new QLineEdit(fenster.get());
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    // Each row spans the strip, its tabs side by side, a longer caption a wider tab; a strip
    // too narrow for a row sets every caption in one smaller size.
    void DreiZeilenVonRandZuRand() {
        const double eigene = feld->font().pointSizeF();
        for (const int breite : {500, 200}) {
            feld->resize(breite, feld->height());
            QCOMPARE(feld->kopfhoehe(), 3 * 24);
            const QFontMetrics masse(feld->beschriftungsschrift(), feld);
            for (int i = 0; i < feld->anzahl(); ++i) {
                const QRect reiter = feld->reiterRechteck(i);
                const bool zeilenende = i % 5 == 4 || i == feld->anzahl() - 1;
                QCOMPARE(reiter.top(), i / 5 * 24);
                QCOMPARE(reiter.left(), i % 5 == 0 ? 0 : feld->reiterRechteck(i - 1).right() + 1);
                QCOMPARE(reiter.right() == breite - 1, zeilenende);
                const QString text = feld->beschriftung(i).remove('&');
                QVERIFY2(masse.horizontalAdvance(text) <= feld->beschriftungsfeld(i).width(),
                         qPrintable(text));
            }
            QVERIFY(feld->reiterRechteck(1).width() > feld->reiterRechteck(0).width());
            QCOMPARE(feld->beschriftungsschrift().pointSizeF() < eigene, breite == 200);
        }
    }

    // A click on a tab, never below; an index out of range changes nothing.
    void KlickWaehltDenReiter() {
        QSignalSpy geaendert(feld, &Reiterfeld::aktuellerIndexGeaendert);
        QTest::mouseClick(feld, Qt::LeftButton, {}, feld->reiterRechteck(11).center());
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(5, feld->height() - 5));
        feld->setzeAktuellenIndex(-1);
        feld->setzeAktuellenIndex(feld->anzahl());
        QCOMPARE(feld->aktuellerIndex(), 11);
        QVERIFY(geaendert.size() == 1 && geaendert[0][0].toInt() == 11);
    }

    // Arrows, Home and End stop at the ends; an access key works from anywhere, and one
    // shared by two tabs takes turns between them.
    void TastenWaehlen() {
        feld->setFocus();
        const std::pair<const char*, int> schritte[] = {
            {"Right", 1}, {"Down", 2},  {"End", 12},  {"Right", 12}, {"Home", 0},
            {"Left", 0},  {"Alt+B", 1}, {"Alt+A", 0}, {"Alt+A", 2},  {"Alt+A", 0}};
        for (const auto& [taste, index] : schritte) {
            if (QString(taste).startsWith("Alt")) { // from another control
                anderes->setFocus();
            }
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(taste));
            QVERIFY2(feld->aktuellerIndex() == index && feld->hasFocus(), taste);
        }
    }
};

QTEST_MAIN(ReiterfeldTest)
#include "reiterfeld_test.moc"
