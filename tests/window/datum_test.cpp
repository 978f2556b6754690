#include "datum.h"

#include <QTest>

namespace velmora {

namespace {

// A fixed today, so that a date without a year has a known year.
const QDate heute(2026, 12, 6);

} // namespace

class DatumTest : public QObject {
    Q_OBJECT

private slots:
    void normalisiert_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");

        const auto zeile = [](const char* name, const char* eingabe, const char* ergebnis) {
            QTest::newRow(name) << QString::fromUtf8(eingabe) << QString::fromUtf8(ergebnis);
        };
        // Day, month, year with points, slashes or dashes; one or two digits each.
        zeile("kurz", "1.4.95", "01.04.1995");
        zeile("lang", "01.04.1995", "01.04.1995");
        zeile("schraegstriche", "1/4/1995", "01.04.1995");
        zeile("striche", "1-4-95", "01.04.1995");
        zeile("blanks", " 1. 4. 95 ", "01.04.1995");
        // The window of two-digit years.
        zeile("jahr 30", "1.1.30", "01.01.1930");
        zeile("jahr 99", "31.12.99", "31.12.1999");
        zeile("jahr 00", "1.1.00", "01.01.2000");
        zeile("jahr 29", "1.1.29", "01.01.2029");
        zeile("einstelliges jahr", "1.1.5", "01.01.2005");
        // Without a year: this year.
        zeile("ohne jahr", "24.12.", "24.12.2026");
        zeile("ohne jahr und punkt", "24.12", "24.12.2026");
        // ISO and month names.
        zeile("iso", "1995-04-01", "01.04.1995");
        zeile("monatsname", "1. April 1995", "01.04.1995");
        zeile("abgekuerzt", "1. Apr. 1995", "01.04.1995");
        zeile("umlaut", "3. März 2003", "03.03.2003");
        zeile("gross geschrieben", "3. MÄRZ 2003", "03.03.2003");
        zeile("monatsname ohne jahr", "5. Mai", "05.05.2026");
        zeile("schaltjahr", "29.2.2004", "29.02.2004");
        // Anything that is no valid date stays exactly as typed.
        zeile("dreissigster februar", "30.02.2003", "30.02.2003");
        zeile("kein schaltjahr", "29.2.2003", "29.2.2003");
        zeile("monat 13", "1.13.1995", "1.13.1995");
        zeile("tag 0", "0.4.1995", "0.4.1995");
        zeile("dreistelliges jahr", "1.4.995", "1.4.995");
        zeile("wort", "heute", "heute");
        zeile("unbekannter monat", "1. Brumaire 1995", "1. Brumaire 1995");
        zeile("leer", "", "");
        zeile("nur blanks", "  ", "  ");
        zeile("text dahinter", "1.4.95 ca.", "1.4.95 ca.");
        zeile("englische reihenfolge iso falsch", "1995-13-01", "1995-13-01");
    }

    void normalisiert() {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(datumNormalisiert(eingabe, heute), ergebnis);
    }
};

} // namespace velmora

QTEST_GUILESS_MAIN(velmora::DatumTest)
#include "datum_test.moc"
