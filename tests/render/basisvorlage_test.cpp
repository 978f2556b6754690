// The base document every document is set on, read through the platform layer: the built-in
// page setup stands in, with a note, for one that is missing, unreadable or no RTF document.
#include "output/dokument.h"
#include "render/basisvorlage.h"
#include "support/fakeplattform.h"

#include <QFile>
#include <QTest>

#include <optional>

using namespace velmora;

class BasisvorlageTest : public QObject {
    Q_OBJECT

private slots:
    // Each gives the built-in page and the document the built-in base gives.
    void UnbrauchbareBasisGibtDieEingebauteSeite() {
        const Dokumentmodell modell = zeugnismodell(anfangsdaten(), {});
        const std::string eingebaut = rtfDokument(modell, eingebauteBasis());
        const std::optional<QByteArray> fehlt;
        for (const auto& [basis, unlesbar] : {std::pair{fehlt, false},
                                              {QByteArray("{\\rtf1\\paperw12240 lesbar}"), true},
                                              {QByteArray("kein RTF"), false},
                                              {QByteArray("{\\rtf1 offen"), false},
                                              {QByteArray("\xd0\xcf\x11\xe0 binary"), false}}) {
            FakePlattform plattform;
            if (basis) {
                QFile datei(plattform.programmordnerPfad + "/temp.doc");
                QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(*basis) == basis->size());
            }
            if (unlesbar) {
                plattform.lesenScheitert = QStringLiteral("Eingabe-/Ausgabefehler");
            }
            const Basisdokument gelesen = basisvorlageLaden(plattform);
            QVERIFY(gelesen.seite == Seite{});
            QCOMPARE(rtfDokument(modell, gelesen), eingebaut);
            QCOMPARE(plattform.protokolliert.size(), 1);
            QVERIFY(plattform.protokolliert[0].endsWith(
                QStringLiteral("; das Dokument bekommt die eingebaute Seiteneinrichtung.")));
        }
    }
};

QTEST_GUILESS_MAIN(BasisvorlageTest)
#include "basisvorlage_test.moc"
