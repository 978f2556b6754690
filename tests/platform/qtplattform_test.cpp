#include "fakeplattform.h"
#include "qtplattform.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using velmora::QtPlattform;

namespace {

void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    QCOMPARE(datei.write(inhalt), inhalt.size());
}

QByteArray inhaltVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

} // namespace

class QtPlattformTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    QtPlattform plattform;

    QString pfad(const QString& name) const { return ordner.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(ordner.isValid());
        schreiben(pfad("zehn.txt"), "0123456789");
        schreiben(pfad(".versteckt"), "x");
        QVERIFY(QDir(ordner.path()).mkdir("ordner"));
    }

    void zwischenablageHaeltNurKlartext() {
        QClipboard* ablage = QGuiApplication::clipboard();
        auto* vorher = new QMimeData;
        vorher->setHtml("<b>alt</b>");
        vorher->setData("application/x-velmora", "alt");
        ablage->setMimeData(vorher);

        const QString text = QStringLiteral("Herrn Müller\r\nDüsseldorf, den 30.06.2003");
        QVERIFY(plattform.zwischenablageSetzen(text));
        QCOMPARE(ablage->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(ablage->text(), text);
    }

    void lesen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("hoechstens");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::addColumn<bool>("gelingt");
        QTest::newRow("ganz") << "zehn.txt" << qint64(100) << QByteArray("0123456789") << true;
        QTest::newRow("gekappt") << "zehn.txt" << qint64(4) << QByteArray("0123") << true;
        QTest::newRow("fehlt") << "fehlt.txt" << qint64(100) << QByteArray() << false;
        QTest::newRow("ordner") << "ordner" << qint64(100) << QByteArray() << false;
    }
    void lesen() {
        QFETCH(QString, name);
        QFETCH(qint64, hoechstens);
        QFETCH(QByteArray, erwartet);
        QFETCH(bool, gelingt);
        const std::optional<QByteArray> inhalt = plattform.dateiLesen(pfad(name), hoechstens);
        QCOMPARE(inhalt.has_value(), gelingt);
        if (gelingt) {
            QCOMPARE(*inhalt, erwartet);
        }
    }

    void vorhanden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("erwartet");
        QTest::newRow("datei") << "zehn.txt" << true;
        QTest::newRow("versteckt") << ".versteckt" << false;
        QTest::newRow("ordner") << "ordner" << false;
        QTest::newRow("fehlt") << "fehlt.txt" << false;
        QTest::newRow("unter fehlendem ordner") << "nichts/zehn.txt" << false;
    }
    void vorhanden() {
        QFETCH(QString, name);
        QFETCH(bool, erwartet);
        QCOMPARE(plattform.dateiVorhanden(pfad(name)), erwartet);
    }

    void ersetzenSchreibtDieGanzeDateiNeu() {
        schreiben(pfad("ersetzt.ini"), "eine lange alte Fassung\r\n");
        QString fehler;
        QVERIFY(plattform.dateiErsetzen(pfad("ersetzt.ini"), "neu\r\n", &fehler));
        QCOMPARE(inhaltVon(pfad("ersetzt.ini")), QByteArray("neu\r\n"));
        QVERIFY(fehler.isEmpty());
    }

    void ersetzenInFehlendemOrdnerNenntDenGrund() {
        QString fehler;
        QVERIFY(!plattform.dateiErsetzen(pfad("nichts/a.ini"), "x", &fehler));
        QVERIFY(!fehler.isEmpty());
        QVERIFY(!QFile::exists(pfad("nichts/a.ini")));
    }

    void neuAnlegenUeberschreibtNie() {
        schreiben(pfad("Zeugnis.doc"), "vom Benutzer bearbeitet");
        QString fehler;
        QVERIFY(!plattform.dateiNeuAnlegen(pfad("Zeugnis.doc"), "neu", &fehler));
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(inhaltVon(pfad("Zeugnis.doc")), QByteArray("vom Benutzer bearbeitet"));

        QVERIFY(plattform.dateiNeuAnlegen(pfad("Zeugnis (2).doc"), "neu", &fehler));
        QCOMPARE(inhaltVon(pfad("Zeugnis (2).doc")), QByteArray("neu"));
    }

    void loeschen() {
        schreiben(pfad("übergabe.ini"), "Hans\r\n");
        QVERIFY(plattform.dateiLoeschen(pfad("übergabe.ini")));
        QVERIFY(!QFile::exists(pfad("übergabe.ini")));
        QVERIFY(!plattform.dateiLoeschen(pfad("übergabe.ini")));
    }

    void datenordnerIstDerProgrammordnerWennBeschreibbar() {
        QCOMPARE(velmora::datenordnerFuer(ordner.path()), ordner.path());
        // The probe file leaves nothing behind.
        QCOMPARE(QDir(ordner.path()).entryList({".velmora-probe*"}, QDir::Hidden | QDir::Files),
                 QStringList());
    }

    void datenordnerSonstImKonfigurationsordner_data() {
        QTest::addColumn<QString>("programmordner");
        // Neither can take a file, not even for root.
        QTest::newRow("proc") << "/proc";
        QTest::newRow("fehlt") << "/nicht/vorhanden/bin";
    }
    void datenordnerSonstImKonfigurationsordner() {
        QFETCH(QString, programmordner);
        const QString konfiguration = pfad("konfiguration");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfiguration));
        const QString erwartet = konfiguration + "/velmora";
        QCOMPARE(velmora::datenordnerFuer(programmordner), erwartet);
        QVERIFY(QFileInfo(erwartet).isDir());
    }

    void dokumentenordnerWirdAngelegt() {
        const QString heim = pfad("heim");
        QVERIFY(QDir().mkpath(heim));
        qputenv("HOME", QFile::encodeName(heim));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(heim + "/.config"));
        const QString dokumente = plattform.dokumentenordner();
        QVERIFY2(dokumente.startsWith(heim + "/"), qPrintable(dokumente));
        QVERIFY(QFileInfo(dokumente).isDir());
    }

    // Other tests inject failures through the fake; it must leave the files alone then.
    void attrappeScheitertOhneDateiZuBeruehren() {
        velmora::FakePlattform attrappe;
        const QString datei = attrappe.datenordner() + "/arbeitszeugnis.ini";
        QVERIFY(attrappe.dateiErsetzen(datei, "alt", nullptr));
        attrappe.ersetzenScheitert = QStringLiteral("Datenträger voll");
        QString fehler;
        QVERIFY(!attrappe.dateiErsetzen(datei, "neu", &fehler));
        QCOMPARE(fehler, QStringLiteral("Datenträger voll"));
        QCOMPARE(inhaltVon(datei), QByteArray("alt"));

        attrappe.neuAnlegenScheitert = QStringLiteral("kein Platz");
        const QString neu = attrappe.dokumentenordner() + "/Zeugnis.doc";
        QVERIFY(!attrappe.dateiNeuAnlegen(neu, "x", &fehler));
        QCOMPARE(fehler, QStringLiteral("kein Platz"));
        QVERIFY(!QFile::exists(neu));
    }
};

QTEST_MAIN(QtPlattformTest)
#include "qtplattform_test.moc"
