#include "datum.h"

#include <QTest>

namespace velmora {

class DatumTest : public QObject {
    Q_OBJECT

private slots:
    void normalisiert_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        const auto zeile = [](const char* eingabe, const char* ergebnis) {
            QTest::newRow(eingabe) << QString::fromUtf8(eingabe) << QString::fromUtf8(ergebnis);
        };
        zeile("1.4.95", "01.04.1995");
        zeile("1.1.30", "01.01.1930");
        zeile("1.1.29", "01.01.2029");
        zeile("24.12.", "24.12.2026");
        zeile("1995-04-01", "01.04.1995");
        zeile("1. April 1995", "01.04.1995");
        zeile("3. MÄRZ 2003", "03.03.2003");
        zeile("29.2.2004", "29.02.2004");
        // What is no valid date stays exactly as typed.
        zeile("29.2.2003", "29.2.2003");
        zeile("1.13.1995", "1.13.1995");
        zeile("1.4.95 ca.", "1.4.95 ca.");
        zeile("heute", "heute");
        zeile("", "");
    }

    void normalisiert() {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        // A fixed today, so that a date without a year has a known year.
        QCOMPARE(datumNormalisiert(eingabe, QDate(2026, 12, 6)), ergebnis);
    }
};

} // namespace velmora

QTEST_GUILESS_MAIN(velmora::DatumTest)
#include "datum_test.moc"
