#include "window/datum.h"

#include <QTest>

class DatumTest : public QObject {
    Q_OBJECT

private slots:
    void normalisiert() {
        // The last rows are no valid dates and stay exactly as typed.
        for (const auto& [eingabe, ergebnis] : {std::pair{"1.4.95", "01.04.1995"},
                                                {"1.1.30", "01.01.1930"},
                                                {"1.1.29", "01.01.2029"},
                                                {"24.12.", "24.12.2026"},
                                                {"1995-04-01", "01.04.1995"},
                                                {"1. April 1995", "01.04.1995"},
                                                {"3. MÄRZ 2003", "03.03.2003"},
                                                {"29.2.2004", "29.02.2004"},
                                                {"29.2.2003", "29.2.2003"},
                                                {"1.13.1995", "1.13.1995"},
                                                {"1.4.95 ca.", "1.4.95 ca."},
                                                {"heute", "heute"},
                                                {"", ""}}) {
            // A fixed today, so that a date without a year has a known year.
            QCOMPARE(velmora::datumNormalisiert(eingabe, QDate(2026, 12, 6)), ergebnis);
        }
    }
};

QTEST_GUILESS_MAIN(DatumTest)
#include "datum_test.moc"
