#include "platform/qtplattform.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class QtPlattformTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    velmora::QtPlattform plattform;

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    QByteArray inhalt(const QString& name) {
        return plattform.dateiLesen(pfad(name), 1000).value_or("<fehlt>");
    }

private slots:
    void initTestCase() {
        QCOMPARE(plattform.dateiNeuAnlegen(pfad("zehn.txt"), "0123456789", nullptr),
                 velmora::Neuanlage::Angelegt);
        QCOMPARE(plattform.dateiNeuAnlegen(pfad(".versteckt"), "x", nullptr),
                 velmora::Neuanlage::Angelegt);
        QVERIFY(QDir(ordner.path()).mkdir("ordner"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(pfad("konfiguration")));
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit fails instead
    }

    void zwischenablageHaeltNurKlartext() {
        auto* vorher = new QMimeData;
        vorher->setHtml("<b>alt</b>");
        QGuiApplication::clipboard()->setMimeData(vorher);
        const QString text = QStringLiteral("Herrn Müller\r\nDüsseldorf, den 30.06.2003");
        QVERIFY(plattform.zwischenablageSetzen(text));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void lesenUndVorhanden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("hoechstens");
        QTest::addColumn<QByteArray>("gelesen");
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("ganz") << "zehn.txt" << qint64(100) << QByteArray("0123456789") << true;
        QTest::newRow("gekappt") << "zehn.txt" << qint64(4) << QByteArray("0123") << true;
        QTest::newRow("versteckt") << ".versteckt" << qint64(100) << QByteArray("x") << false;
        QTest::newRow("ordner") << "ordner" << qint64(100) << QByteArray("<fehlt>") << false;
        QTest::newRow("fehlt") << "nichts/zehn.txt" << qint64(100) << QByteArray("<fehlt>")
                               << false;
    }
    void lesenUndVorhanden() {
        QFETCH(QString, name);
        QFETCH(qint64, hoechstens);
        QFETCH(QByteArray, gelesen);
        QFETCH(bool, vorhanden);
        QCOMPARE(plattform.dateiLesen(pfad(name), hoechstens).value_or("<fehlt>"), gelesen);
        QCOMPARE(plattform.dateiVorhanden(pfad(name)), vorhanden);
    }

    void ersetzenGanzOderGarNicht_data() {
        QTest::addColumn<int>("groesse");
        QTest::newRow("klein") << 64;
        QTest::newRow("gross") << 100000;
    }
    // A write cut short, here by the file size limit that binds root too, leaves the old file.
    void ersetzenGanzOderGarNicht() {
        QFETCH(int, groesse);
        QVERIFY(plattform.dateiErsetzen(pfad("z.ini"), "eine lange alte Fassung", nullptr));
        QVERIFY(plattform.dateiErsetzen(pfad("z.ini"), "alt", nullptr));
        QCOMPARE(inhalt("z.ini"), QByteArray("alt"));
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        const rlimit eng{8, vorher.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        QString fehler;
        const bool ersetzt =
            plattform.dateiErsetzen(pfad("z.ini"), QByteArray(groesse, 'x'), &fehler);
        setrlimit(RLIMIT_FSIZE, &vorher);
        QVERIFY(!ersetzt);
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(inhalt("z.ini"), QByteArray("alt"));
    }

    void neuAnlegenUeberschreibtNie() {
        QString fehler;
        QCOMPARE(plattform.dateiNeuAnlegen(pfad("zehn.txt"), "neu", &fehler),
                 velmora::Neuanlage::Vorhanden);
        QCOMPARE(inhalt("zehn.txt"), QByteArray("0123456789"));
    }

    void datenordner_data() {
        QTest::addColumn<QString>("programmordner");
        QTest::addColumn<QString>("erwartet");
        const QString konfiguration = pfad("konfiguration/velmora");
        QTest::newRow("beschreibbar") << ordner.path() << ordner.path();
        // Neither can take a file, not even for root.
        QTest::newRow("proc") << "/proc" << konfiguration;
        QTest::newRow("fehlt") << "/nicht/vorhanden/bin" << konfiguration;
    }
    void datenordner() {
        QFETCH(QString, programmordner);
        QFETCH(QString, erwartet);
        QCOMPARE(velmora::datenordnerFuer(programmordner), erwartet);
        QVERIFY(QFileInfo(erwartet).isDir());
        // The probe file leaves nothing behind.
        QCOMPARE(QDir(programmordner).entryList({".velmora-probe*"}, QDir::Hidden | QDir::Files),
                 QStringList());
    }
};

QTEST_MAIN(QtPlattformTest)
#include "qtplattform_test.moc"
