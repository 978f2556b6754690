// The user's text blocks: kept in the data folder, a failed write said and never taken for
// success.
#include "storage/textbausteine.h"
#include "support/fakeplattform.h"
#include "window/bausteinablage.h"

#include <QSignalSpy>
#include <QTest>

using namespace velmora;

namespace {

const Textbaustein lager{"b1", "Lager", 2, 1, Zeugnisart::Endzeugnis, "{Er} packte an."};

} // namespace

class TextbausteineTest : public QObject {
    Q_OBJECT

private slots:
    void AblageSpeichertUndMeldetFehler() {
        FakePlattform plattform;
        Bausteinablage ablage(plattform);
        QSignalSpy hinweise(&ablage, &Bausteinablage::hinweis);
        QVERIFY(ablage.bausteine().empty());
        QVERIFY(ablage.speichern({lager}));
        QCOMPARE(Bausteinablage(plattform).bausteine(), Textbausteine{lager});

        plattform.ersetzenScheitert = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
        Textbaustein zweiter = lager;
        zweiter.id = "b2";
        QVERIFY(!ablage.speichern({lager, zweiter}));
        QCOMPARE(ablage.bausteine().size(), 2u);
        QCOMPARE(hinweise.size(), 1);
        QVERIFY(hinweise[0][0].toString().contains("kein Platz mehr"));
        QCOMPARE(Bausteinablage(plattform).bausteine(), Textbausteine{lager});

        // A file that cannot be read is never overwritten.
        plattform.ersetzenScheitert.reset();
        QVERIFY(dateischicht::ersetzen(eigenerPfad(plattform, textbausteindateiname),
                                       Dateiart::Eigen, "{kaputt", nullptr));
        Bausteinablage neu(plattform);
        QVERIFY(!neu.speichern({lager}));
        QCOMPARE(*plattform.dateiLesen(eigenerPfad(plattform, textbausteindateiname),
                                       Dateiart::Eigen, 100, nullptr),
                 QByteArray("{kaputt"));
    }
};

QTEST_MAIN(TextbausteineTest)
#include "textbausteine_test.moc"
