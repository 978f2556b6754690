#include "support/datentabelle.h"
#include "window/datum.h"

#include <QTest>

class DatumTest : public QObject {
    Q_OBJECT

private slots:
    // Each date of the list beside this test as the window writes it out; nothing stays empty.
    void Normalisiert() {
        for (const auto& fall : velmora::test::datentabelle(VELMORA_DATEN "/datumsangaben.txt")) {
            QCOMPARE(
                velmora::datumNormalisiert(QString::fromStdString(fall.at(0)), QDate(2026, 12, 6)),
                QString::fromStdString(fall.at(1)));
        }
        QCOMPARE(velmora::datumNormalisiert("", QDate(2026, 12, 6)), "");
    }
};

QTEST_GUILESS_MAIN(DatumTest)
#include "datum_test.moc"
