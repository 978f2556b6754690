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
        for (const char* text :
             {"&Aa", "&Bb", "&Aber", "Dd", "Ee", "Ff", "Gg", "Hh", "Ii", "Jj", "Kk", "Ll", "Mm"}) {
            feld->reiterHinzufuegen(text);
        }
        anderes = new QLineEdit(fenster.get());
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    void drei_zeilen_von_rand_zu_rand() {
        QCOMPARE(feld->kopfhoehe(), 3 * 24);
        for (int i = 0; i < feld->anzahl(); ++i) {
            QCOMPARE(feld->reiterRechteck(i), QRect(i % 5 * 100, i / 5 * 24, 100, 24));
        }
    }

    // A click on a tab, never below; an index out of range changes nothing.
    void klick_waehlt_den_reiter() {
        QSignalSpy geaendert(feld, &Reiterfeld::aktuellerIndexGeaendert);
        QTest::mouseClick(feld, Qt::LeftButton, {}, feld->reiterRechteck(11).center());
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(5, feld->height() - 5));
        feld->setzeAktuellenIndex(-1);
        feld->setzeAktuellenIndex(feld->anzahl());
        QCOMPARE(feld->aktuellerIndex(), 11);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(geaendert[0][0].toInt(), 11);
    }

    // Arrows, Home and End stop at the ends; an access key works from anywhere, and one
    // shared by two tabs takes turns between them.
    void tasten_waehlen() {
        feld->setFocus();
        const std::pair<Qt::Key, int> schritte[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 2},
                                                    {Qt::Key_End, 12},  {Qt::Key_Right, 12},
                                                    {Qt::Key_Home, 0},  {Qt::Key_Left, 0}};
        for (const auto& [taste, index] : schritte) {
            QTest::keyClick(feld, taste);
            QCOMPARE(feld->aktuellerIndex(), index);
        }
        anderes->setFocus();
        for (const auto& [taste, index] :
             {std::pair{Qt::Key_B, 1}, {Qt::Key_A, 0}, {Qt::Key_A, 2}, {Qt::Key_A, 0}}) {
            QTest::keyClick(QApplication::focusWidget(), taste, Qt::AltModifier);
            QCOMPARE(feld->aktuellerIndex(), index);
            QVERIFY(feld->hasFocus());
        }
    }
};

QTEST_MAIN(ReiterfeldTest)
#include "reiterfeld_test.moc"
