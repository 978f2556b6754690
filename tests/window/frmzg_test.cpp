// The main window and its outputs, driven by keyboard and mouse against the recording platform
// layer.
#include "dokument.h"
#include "fakeplattform.h"
#include "frmzg.h"
#include "klartext.h"
#include "reiterfeld.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

namespace velmora {

namespace {

const QString fachwissen2 = QStringLiteral(
    "%1 verfügt über umfassende und vielseitige Fachkenntnisse, die %2 jederzeit "
    "sicher und zielgerichtet in der Praxis einsetzte. ");

QByteArray inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
}

} // namespace

class FrmzgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    template <typename T = QAbstractButton> T* element(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        return gefunden ? gefunden : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit* box(int i) const { return element<QLineEdit>(QStringLiteral("txtang(%1)").arg(i)); }
    void klicken(const QString& name) { QTest::mouseClick(element(name), Qt::LeftButton); }
    // Puts the focus into a box by the keyboard's way and types over its selected text.
    void tippen(int i, const QString& text) {
        fenster->reiterSetzen(frmzg::obereLeiste, i == 9 || i == 5 || i == 6 ? 1 : 0);
        box(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box(i), text);
    }
    AngezeigteVorschautexte vorschautexte(bool alleBewerten = false) const {
        AngezeigteVorschautexte texte;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            if (alleBewerten) {
                fenster->knopfSetzen(bereich, 0, true);
            }
            texte[bereich - 1] = fenster->vorschautext(bereich).toStdString();
        }
        return texte;
    }
    QString imDokumentenordner(const QString& name) const {
        return QDir(plattform->dokumentenordnerPfad).filePath(name);
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }

    void cleanup() { fenster.reset(); }

    void fenster_reiter_und_hinweis() {
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(fenster->centralWidget()->size(), QSize(507, 487));
        QVERIFY(!(fenster->windowFlags() & Qt::WindowMinMaxButtonsHint));
        auto* unten = element<Reiterfeld>(QStringLiteral("tabang(0)"));
        QCOMPARE(element<Reiterfeld>(QStringLiteral("tabang(1)"))->anzahl(), 3);
        QCOMPARE(unten->anzahl(), anzahlBereiche);
        QCOMPARE(unten->beschriftung(0), QStringLiteral("&Fachwissen"));
        QCOMPARE(unten->beschriftung(11), QStringLiteral("B&endigungsgrund"));
        QCOMPARE(unten->reiterRechteck(4).top(), 0);
        QCOMPARE(unten->reiterRechteck(5).top(), unten->reiterRechteck(9).top());
        QCOMPARE(unten->reiterRechteck(12).top(), 2 * unten->reiterRechteck(5).top());
        // Ten lines, each ended by a line break.
        const QStringList zeilen =
            element<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText().split(u'\n');
        QCOMPARE(zeilen.size(), 11);
        QVERIFY(zeilen[1].contains(QStringLiteral(", im dem der Arbeitnehmer dann eine ")));
    }

    void note_und_geschlecht_setzen_die_vorschauen() {
        auto* anrede = element<QComboBox>(QStringLiteral("cmbang"));
        anrede->setFocus();
        QTest::keyClick(anrede, Qt::Key_Down);
        fenster->reiterSetzen(frmzg::untereLeiste, 0);
        klicken(QStringLiteral("opt1(1)"));
        QCOMPARE(fenster->vorschautext(1), fachwissen2.arg("Herr Mustermann", "er"));
        const AngezeigteVorschautexte fuerHerrn = vorschautexte(true);
        QTest::keyClick(anrede, Qt::Key_Down);
        QCOMPARE(fenster->geschlecht(), frau);
        const AngezeigteVorschautexte fuerFrau = vorschautexte();
        for (int i = 0; i < anzahlBereiche; ++i) {
            QVERIFY2(fuerFrau[i] != fuerHerrn[i], qPrintable(QString::number(i + 1)));
        }
        fenster->knopfSetzen(1, 1, true);
        QCOMPARE(fenster->vorschautext(1), fachwissen2.arg("Frau Mustermann", "sie"));
    }

    void enter_verlaesst_das_feld_data() {
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("Name") << 1 << QStringLiteral("Schmidt") << QStringLiteral("Schmidt");
        QTest::newRow("Datum") << 7 << QStringLiteral("1.4.95") << QStringLiteral("01.04.1995");
        QTest::newRow("Wort im Datum") << 7 << QStringLiteral("bald") << QStringLiteral("bald");
    }

    void enter_verlaesst_das_feld() {
        QFETCH(int, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        tippen(feld, eingabe);
        QTest::keyClick(box(feld), Qt::Key_Return);
        QCOMPARE(fenster->text(feld), ergebnis);
        QCOMPARE(fenster->vorschautext(1), fachwissen2.arg("Herr " + fenster->text(1), "er"));
        // Reached by Enter, the next box has its text selected to type over.
        QVERIFY(box(feld + 1)->hasFocus());
        QCOMPARE(box(feld + 1)->selectedText(), box(feld + 1)->text());
    }

    void anzeige_setzt_nichts_zusammen_und_grau_zaehlt_nicht() {
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        fenster->reiterSetzen(frmzg::untereLeiste, 0);
        klicken(QStringLiteral("chkAnz(0)"));
        QCOMPARE(fenster->anzeige(1), Qt::Checked);
        QVERIFY(fenster->daten().bereich(1).anzeigen);
        QCOMPARE(fenster->vorschautext(1), fachwissen2.arg("Herr Mustermann", "er"));
        fenster->anzeigeSetzen(1, Qt::PartiallyChecked);
        QVERIFY(!fenster->daten().bereich(1).anzeigen);
    }

    void kopieren_verlaesst_erst_das_datumsfeld() {
        fenster->geschlechtWaehlen(herr);
        fenster->anzeigeSetzen(13, Qt::Checked);
        vorschautexte(true);
        tippen(8, QStringLiteral("31.3.04"));
        klicken(QStringLiteral("cmdfertig(1)"));
        QCOMPARE(fenster->text(8), QStringLiteral("31.03.2004"));
        const AngezeigteVorschautexte texte = vorschautexte();
        QVERIFY(texte[12].find("31.03.2004") != std::string::npos);
        QCOMPARE(plattform->zwischenablage,
                 QStringList{QString::fromStdString(klartext(fenster->daten(), texte))});
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void enter_auf_befehlsknopf_und_verweigerte_zwischenablage() {
        plattform->zwischenablageGelingt = false;
        tippen(0, QStringLiteral("Erika"));
        element(QStringLiteral("cmdfertig(1)"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen.first().titel, QStringLiteral("Velmora"));
        QCOMPARE(fenster->text(0), QStringLiteral("Erika"));
    }

    void mausklick_markiert_den_ganzen_text() {
        for (const int feld : {3, 7}) {
            box(0)->setFocus(Qt::TabFocusReason);
            QTest::mouseClick(box(feld), Qt::LeftButton, {}, box(feld)->rect().center());
            QVERIFY(box(feld)->hasFocus());
            QCOMPARE(box(feld)->selectedText(), box(feld)->text());
        }
    }

    void standardknopf_nie_zu_sehen() {
        auto* standard = element(QStringLiteral("cmbStandard"));
        QVERIFY(!fenster->centralWidget()->rect().intersects(standard->geometry()));
        QCOMPARE(standard->focusPolicy(), Qt::NoFocus);
    }

    void vorschaulabels_der_bereiche_10_bis_13() {
        fenster->geschlechtWaehlen(herr);
        for (const auto& [bereich, label] : {std::pair{10, 12}, {11, 9}, {12, 10}, {13, 11}}) {
            auto* vorschau = element<QLabel>(QStringLiteral("lblVorschau(%1)").arg(label));
            QVERIFY(element<Reiterfeld>("tabang(0)")->seite(bereich - 1)->isAncestorOf(vorschau));
            fenster->knopfSetzen(bereich, 0, true);
            QVERIFY(!vorschau->text().isEmpty());
            QCOMPARE(fenster->vorschautext(bereich), vorschau->text());
        }
    }

    // A file of the same name is never overwritten; each new one is opened.
    void dokument_neben_den_vorhandenen() {
        klicken(QStringLiteral("cmdfertig(0)"));
        schreiben(imDokumentenordner("Zeugnis.doc"), "von Hand bearbeitet");
        klicken(QStringLiteral("cmdfertig(0)"));
        QCOMPARE(plattform->geoeffnet, QStringList({imDokumentenordner("Zeugnis.doc"),
                                                    imDokumentenordner("Zeugnis (2).doc")}));
        QCOMPARE(inhalt(imDokumentenordner("Zeugnis.doc")), "von Hand bearbeitet");
        QVERIFY(plattform->meldungen.isEmpty());
    }

    // The document holds what the window shows, on the page setup of the base beside the
    // program; a word processor that does not open it costs nothing.
    void dokument_des_fensterzustands() {
        const QByteArray basis = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
                                 "\\paperw12240\\paperh15840\\margl1800\r\n}";
        schreiben(QDir(plattform->programmordnerPfad).filePath("temp.doc"), basis);
        plattform->oeffnenGelingt = false;
        fenster->geschlechtWaehlen(frau);
        fenster->knopfSetzen(13, 0, true);
        fenster->anzeigeSetzen(13, Qt::Checked);
        tippen(8, QStringLiteral("31.3.4"));
        klicken(QStringLiteral("cmdfertig(0)"));
        QCOMPARE(fenster->text(8), QStringLiteral("31.03.2004"));
        const Zeugnisdokument erwartet =
            zeugnisdokument(fenster->daten(), vorschautexte(), basis.toStdString());
        QVERIFY(erwartet.basisVerwendet);
        QCOMPARE(inhalt(imDokumentenordner("Zeugnis.doc")),
                 QByteArray::fromStdString(erwartet.rtf));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void scheiterndes_schreiben_wird_gemeldet() {
        plattform->neuAnlegenScheitert = QStringLiteral("Kein Speicherplatz mehr");
        klicken(QStringLiteral("cmdfertig(0)"));
        QVERIFY(plattform->geoeffnet.isEmpty());
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen[0].titel, QStringLiteral("Velmora"));
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("Kein Speicherplatz mehr")));
        QVERIFY(plattform->meldungen[0].text.contains(QStringLiteral("Zeugnis.doc")));
    }
};

} // namespace velmora

QTEST_MAIN(velmora::FrmzgTest)
#include "frmzg_test.moc"
