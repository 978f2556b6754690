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

    // Every German month name and abbreviation is read to its month, with or without a dot.
    void jeder_monatsname() {
        const std::pair<int, QStringList> monate[] = {{1, {"Januar", "Jänner", "Jan."}},
                                                      {2, {"Februar", "Feb."}},
                                                      {3, {"März", "Mär.", "Mrz."}},
                                                      {4, {"April", "Apr."}},
                                                      {5, {"Mai"}},
                                                      {6, {"Juni", "Jun."}},
                                                      {7, {"Juli", "Jul."}},
                                                      {8, {"August", "Aug."}},
                                                      {9, {"September", "Sept.", "Sep"}},
                                                      {10, {"Oktober", "Okt."}},
                                                      {11, {"November", "Nov."}},
                                                      {12, {"Dezember", "Dez."}}};
        for (const auto& [monat, namen] : monate) {
            for (const QString& name : namen) {
                QCOMPARE(velmora::datumNormalisiert("1. " + name + " 95", QDate(2026, 12, 6)),
                         QDate(1995, monat, 1).toString("dd.MM.yyyy"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(DatumTest)
#include "datum_test.moc"
