// How the window reads own words back: the grade they encode against the one chosen, and
// each code with its explanation.
#include "support/datentabelle.h"
#include "window/lesart.h"

#include <QTest>

using namespace velmora;

class LesartTest : public QObject {
    Q_OBJECT

private slots:
    void Rueckmeldungen() {
        for (const auto& fall : test::datentabelle(VELMORA_DATEN "/lesarten.txt")) {
            const QString gelesen =
                rueckmeldung(lesart(fall.at(2), std::stoi(fall.at(0))), std::stoi(fall.at(1)));
            QCOMPARE(gelesen, QString::fromStdString(fall.at(3)));
        }
    }
};

QTEST_GUILESS_MAIN(LesartTest)
#include "lesart_test.moc"
