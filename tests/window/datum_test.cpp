#include "window/datum.h"

#include <QTest>

class DatumTest : public QObject {
    Q_OBJECT

private slots:
    // Read by German rules against a fixed today, so that a date without a year has a known
    // year; the last rows are no valid dates and stay exactly as typed.
    void normalisiert() {
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
            QCOMPARE(velmora::datumNormalisiert(eingabe, QDate(2026, 12, 6)), ergebnis);
        }
    }

    // Every German month name and abbreviation is read to its month, with or without a dot.
    void jeder_monatsname() {
        const QStringList monate =
            QString("Januar Jänner Jan.|Februar Feb.|März Mär. Mrz.|April Apr.|Mai|Juni Jun.|"
                    "Juli Jul.|August Aug.|September Sept. Sep|Oktober Okt.|November Nov.|"
                    "Dezember Dez.")
                .split('|');
        for (int monat = 1; monat <= 12; ++monat) {
            for (const QString& name : monate[monat - 1].split(' ')) {
                QCOMPARE(velmora::datumNormalisiert("1. " + name + " 95", QDate(2026, 12, 6)),
                         QDate(1995, monat, 1).toString("dd.MM.yyyy"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(DatumTest)
#include "datum_test.moc"
