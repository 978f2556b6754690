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

    // Thirteen tabs, five per row, as the lower strip of the main window has them.
    static constexpr int anzahl = 13;

private slots:
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

    void drei_zeilen_zu_fuenf_fuenf_drei() {
        QCOMPARE(feld->anzahl(), anzahl);
        QCOMPARE(feld->kopfhoehe(), 3 * 24);
        for (int i = 0; i < anzahl; ++i) {
            const QRect rechteck = feld->reiterRechteck(i);
            QCOMPARE(rechteck.top(), (i / 5) * 24);
            QCOMPARE(rechteck.height(), 24);
        }
        // Each full row reaches from edge to edge, without gaps.
        QCOMPARE(feld->reiterRechteck(0).left(), 0);
        QCOMPARE(feld->reiterRechteck(4).right(), feld->width() - 1);
        QCOMPARE(feld->reiterRechteck(1).left(), feld->reiterRechteck(0).right() + 1);
        // The last row keeps the width of the others.
        QCOMPARE(feld->reiterRechteck(12).width(), feld->reiterRechteck(2).width());
    }

    void seiten_beginnen_unter_den_reitern() {
        const QRect imFeld(10, 100, 50, 20);
        auto* box = new QLineEdit;
        feld->platzieren(7, box, imFeld);
        QCOMPARE(box->parentWidget(), feld->seite(7));
        feld->setzeAktuellenIndex(7);
        QCOMPARE(box->mapTo(feld, QPoint(0, 0)), imFeld.topLeft());
    }

    void klick_waehlt_den_reiter() {
        QSignalSpy geaendert(feld, &Reiterfeld::aktuellerIndexGeaendert);
        QTest::mouseClick(feld, Qt::LeftButton, {}, feld->reiterRechteck(11).center());
        QCOMPARE(feld->aktuellerIndex(), 11);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(geaendert.first().first().toInt(), 11);
        // Below the tabs nothing is chosen.
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(5, feld->height() - 5));
        QCOMPARE(feld->aktuellerIndex(), 11);
    }

    void pfeiltasten_wandern_und_halten_an_den_enden() {
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_Right);
        QCOMPARE(feld->aktuellerIndex(), 1);
        QTest::keyClick(feld, Qt::Key_Down);
        QCOMPARE(feld->aktuellerIndex(), 2);
        QTest::keyClick(feld, Qt::Key_End);
        QCOMPARE(feld->aktuellerIndex(), 12);
        QTest::keyClick(feld, Qt::Key_Right);
        QCOMPARE(feld->aktuellerIndex(), 12);
        QTest::keyClick(feld, Qt::Key_Home);
        QCOMPARE(feld->aktuellerIndex(), 0);
        QTest::keyClick(feld, Qt::Key_Left);
        QCOMPARE(feld->aktuellerIndex(), 0);
    }

    void zugriffstaste_waehlt_von_ueberall() {
        anderes->setFocus();
        QTest::keyClick(anderes, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(feld->aktuellerIndex(), 1);
        QVERIFY(feld->hasFocus());
    }

    void geteilte_zugriffstaste_wechselt_reihum() {
        anderes->setFocus();
        QList<int> gewaehlt;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
            gewaehlt.append(feld->aktuellerIndex());
        }
        QCOMPARE(gewaehlt, (QList<int>{0, 2, 0}));
    }

    void index_ausserhalb_aendert_nichts() {
        feld->setzeAktuellenIndex(4);
        feld->setzeAktuellenIndex(-1);
        feld->setzeAktuellenIndex(anzahl);
        QCOMPARE(feld->aktuellerIndex(), 4);
    }
};

} // namespace velmora

QTEST_MAIN(velmora::ReiterfeldTest)
#include "reiterfeld_test.moc"
