#include "reiterfeld.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace velmora {

class ReiterfeldTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> fenster;
    Reiterfeld* feld = nullptr;
    QLineEdit* anderes = nullptr;

private slots:
    // Thirteen tabs, five per row, as the lower strip of the main window has them.
    void init() {
        fenster = std::make_unique<QWidget>();
        fenster->resize(500, 300);
        feld = new Reiterfeld(5, 24, fenster.get());
        feld->setGeometry(0, 30, 500, 270);
        for (const char* text :
             {"&Aa", "&Bb", "&Aber", "Dd", "Ee", "Ff", "Gg", "Hh", "Ii", "Jj", "Kk", "Ll", "Mm"}) {
            feld->reiterHinzufuegen(QString::fromUtf8(text));
        }
        anderes = new QLineEdit(fenster.get());
        anderes->setGeometry(0, 0, 100, 24);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }

    void cleanup() { fenster.reset(); }

    void drei_zeilen_und_seiten_darunter() {
        QCOMPARE(feld->kopfhoehe(), 3 * 24);
        for (int i = 0; i < feld->anzahl(); ++i) {
            QCOMPARE(feld->reiterRechteck(i), QRect(i % 5 * 100, i / 5 * 24, 100, 24));
        }
        const QRect imFeld(10, 100, 50, 20);
        auto* box = new QLineEdit;
        feld->platzieren(7, box, imFeld);
        feld->setzeAktuellenIndex(7);
        QVERIFY(box->isVisible());
        QCOMPARE(box->mapTo(feld, QPoint(0, 0)), imFeld.topLeft());
    }

    void klick_waehlt_nur_auf_einem_reiter() {
        QSignalSpy geaendert(feld, &Reiterfeld::aktuellerIndexGeaendert);
        QTest::mouseClick(feld, Qt::LeftButton, {}, feld->reiterRechteck(11).center());
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(5, feld->height() - 5));
        feld->setzeAktuellenIndex(-1);
        feld->setzeAktuellenIndex(feld->anzahl());
        QCOMPARE(feld->aktuellerIndex(), 11);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(geaendert[0][0].toInt(), 11);
    }

    void tasten_wandern_und_halten_an_den_enden() {
        feld->setFocus();
        const std::pair<Qt::Key, int> schritte[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 2},
                                                    {Qt::Key_End, 12},  {Qt::Key_Right, 12},
                                                    {Qt::Key_Home, 0},  {Qt::Key_Left, 0}};
        for (const auto& [taste, index] : schritte) {
            QTest::keyClick(feld, taste);
            QCOMPARE(feld->aktuellerIndex(), index);
        }
    }

    // A key shared by two tabs takes turns between them.
    void zugriffstaste_waehlt_von_ueberall() {
        anderes->setFocus();
        QList<int> gewaehlt;
        for (const Qt::Key taste : {Qt::Key_B, Qt::Key_A, Qt::Key_A, Qt::Key_A}) {
            QTest::keyClick(QApplication::focusWidget(), taste, Qt::AltModifier);
            gewaehlt.append(feld->aktuellerIndex());
            QVERIFY(feld->hasFocus());
        }
        QCOMPARE(gewaehlt, (QList<int>{1, 0, 2, 0}));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ReiterfeldTest)
#include "reiterfeld_test.moc"
