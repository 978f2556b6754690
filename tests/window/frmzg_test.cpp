#include "fakeplattform.h"
#include "frmzg.h"
#include "klartext.h"
#include "reiterfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace velmora {

namespace {

const QString fachwissen2Herr = QStringLiteral(
    "Herr Mustermann verfügt über umfassende und vielseitige Fachkenntnisse, die er jederzeit "
    "sicher und zielgerichtet in der Praxis einsetzte. ");
const QString fachwissen2Frau = QStringLiteral(
    "Frau Mustermann verfügt über umfassende und vielseitige Fachkenntnisse, die sie jederzeit "
    "sicher und zielgerichtet in der Praxis einsetzte. ");

constexpr int eintrittsdatum = 7;
constexpr int austrittsdatum = 8;

} // namespace

class FrmzgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlattform> plattform;
    std::unique_ptr<frmzg> fenster;

    template <typename T> T* element(const QString& name) const {
        auto* gefunden = fenster->findChild<T*>(name);
        if (!gefunden) {
            qFatal("no control %s", qPrintable(name));
        }
        return gefunden;
    }
    QLineEdit* box(int i) const { return element<QLineEdit>(QStringLiteral("txtang(%1)").arg(i)); }
    QRadioButton* note(int bereich, int knopf) const {
        return element<QRadioButton>(QStringLiteral("opt%1(%2)").arg(bereich).arg(knopf));
    }
    QStringList vorschauen() const {
        QStringList texte;
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            texte.append(fenster->vorschautext(bereich));
        }
        return texte;
    }
    void alleBewerten() {
        for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
            fenster->knopfSetzen(bereich, 0, true);
        }
    }
    // Puts the focus into a box by the keyboard's way and types over its selected text.
    void tippen(int i, const QString& text) {
        fenster->reiterSetzen(frmzg::obereLeiste, i == 9 || i == 5 || i == 6 ? 1 : 0);
        box(i)->setFocus(Qt::TabFocusReason);
        QVERIFY(box(i)->hasFocus());
        QTest::keyClicks(box(i), text);
    }

private slots:
    void init() {
        plattform = std::make_unique<FakePlattform>();
        fenster = std::make_unique<frmzg>(*plattform);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }

    void cleanup() { fenster.reset(); }

    void fenster_fest_und_beschriftet() {
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(fenster->centralWidget()->size(), QSize(507, 487));
        QVERIFY(!(fenster->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(box(4)->text(), QStringLiteral("Anteilungsleiter Elektonik"));
        QCOMPARE(box(5)->text(), QStringLiteral("Zevuz Elektonikhandelsgesellschaft mbH"));
        QCOMPARE(fenster->geschlecht(), keinGeschlecht);
    }

    void reiter_der_leisten() {
        auto* unten = element<Reiterfeld>(QStringLiteral("tabang(0)"));
        auto* oben = element<Reiterfeld>(QStringLiteral("tabang(1)"));
        QCOMPARE(oben->anzahl(), 3);
        QCOMPARE(unten->anzahl(), anzahlBereiche);
        QCOMPARE(unten->beschriftung(6), QStringLiteral("A&rbeitsweise"));
        QCOMPARE(unten->beschriftung(11), QStringLiteral("B&endigungsgrund"));
        // Rows of 5, 5 and 3.
        QCOMPARE(unten->reiterRechteck(4).top(), unten->reiterRechteck(0).top());
        QVERIFY(unten->reiterRechteck(5).top() > unten->reiterRechteck(4).top());
        QVERIFY(unten->reiterRechteck(10).top() > unten->reiterRechteck(9).top());
        QCOMPARE(unten->reiterRechteck(12).top(), unten->reiterRechteck(10).top());
    }

    void warnhinweis_zehn_zeilen() {
        auto* hinweis = element<QPlainTextEdit>(QStringLiteral("Text1"));
        const QStringList zeilen = hinweis->toPlainText().split(QLatin1Char('\n'));
        // Ten lines, each ended by a line break.
        QCOMPARE(zeilen.size(), 11);
        QCOMPARE(zeilen[3], QString());
        QVERIFY(zeilen[1].contains(QStringLiteral(", im dem der Arbeitnehmer dann eine ")));
        QCOMPARE(zeilen[9], QStringLiteral("Dafür könnte Sie dieser Arbeitgeber eventuell "
                                           "haftbar machen."));
        QVERIFY(!hinweis->isReadOnly());
    }

    void note_2_auf_fachwissen() {
        fenster->geschlechtWaehlen(herr);
        fenster->reiterSetzen(frmzg::untereLeiste, 0);
        QTest::mouseClick(note(1, 1), Qt::LeftButton);
        QVERIFY(fenster->knopfGewaehlt(1, 1));
        QCOMPARE(fenster->vorschautext(1), fachwissen2Herr);
    }

    void frau_schreibt_jede_bewertete_vorschau_um() {
        auto* anrede = element<QComboBox>(QStringLiteral("cmbang"));
        anrede->setFocus();
        QTest::keyClick(anrede, Qt::Key_Down);
        QCOMPARE(fenster->geschlecht(), herr);
        alleBewerten();
        const QStringList fuerHerrn = vorschauen();

        QTest::keyClick(anrede, Qt::Key_Down);
        QCOMPARE(fenster->geschlecht(), frau);
        const QStringList fuerFrau = vorschauen();
        QVERIFY(fuerFrau[0].startsWith(QStringLiteral("Frau Mustermann verfügt")));
        for (int i = 0; i < anzahlBereiche; ++i) {
            QVERIFY2(fuerFrau[i] != fuerHerrn[i], qPrintable(QString::number(i + 1)));
        }
        fenster->knopfSetzen(1, 1, true);
        QCOMPARE(fenster->vorschautext(1), fachwissen2Frau);
    }

    void ungewaehlte_bereiche_behalten_ihre_beschriftung() {
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        fenster->knopfSetzen(1, 1, false);
        QVERIFY(!fenster->knopfGewaehlt(1, 1));
        fenster->geschlechtWaehlen(frau);
        QCOMPARE(fenster->vorschautext(1), fachwissen2Herr);
        QCOMPARE(fenster->vorschautext(2), QString());
    }

    void name_und_enter_setzt_vorschau_und_fokus_weiter() {
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        tippen(1, QStringLiteral("Schmidt"));
        QTest::keyClick(box(1), Qt::Key_Return);
        QVERIFY(fenster->vorschautext(1).startsWith(QStringLiteral("Herr Schmidt verfügt")));
        QVERIFY(box(2)->hasFocus());
        // Reached by Enter, the next box has its text selected to type over.
        QCOMPARE(box(2)->selectedText(), box(2)->text());
    }

    void datum_wird_beim_verlassen_geschrieben_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("kurz") << QStringLiteral("1.4.95") << QStringLiteral("01.04.1995");
        QTest::newRow("wort") << QStringLiteral("bald") << QStringLiteral("bald");
        QTest::newRow("kein tag") << QStringLiteral("30.02.2003") << QStringLiteral("30.02.2003");
    }

    void datum_wird_beim_verlassen_geschrieben() {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        tippen(eintrittsdatum, eingabe);
        QTest::keyClick(box(eintrittsdatum), Qt::Key_Return);
        QCOMPARE(fenster->text(eintrittsdatum), ergebnis);
        QVERIFY(box(austrittsdatum)->hasFocus());
    }

    void datum_im_schlussformel_abschnitt_aktuell() {
        fenster->geschlechtWaehlen(herr);
        alleBewerten();
        const QString vorher = fenster->vorschautext(13);
        tippen(austrittsdatum, QStringLiteral("31.3.4"));
        QTest::keyClick(box(austrittsdatum), Qt::Key_Tab);
        QCOMPARE(fenster->text(austrittsdatum), QStringLiteral("31.03.2004"));
        QVERIFY(vorher != fenster->vorschautext(13));
    }

    void anzeige_setzt_nichts_zusammen() {
        fenster->geschlechtWaehlen(herr);
        fenster->knopfSetzen(1, 1, true);
        fenster->textSetzen(1, QStringLiteral("Schmidt"));
        fenster->reiterSetzen(frmzg::untereLeiste, 0);
        auto* anzeige = element<QCheckBox>(QStringLiteral("chkAnz(0)"));
        QTest::mouseClick(anzeige, Qt::LeftButton);
        QCOMPARE(fenster->anzeige(1), Qt::Checked);
        QCOMPARE(fenster->vorschautext(1), fachwissen2Herr);
    }

    void graue_anzeige_zaehlt_nicht() {
        fenster->anzeigeSetzen(3, Qt::PartiallyChecked);
        QCOMPARE(fenster->anzeige(3), Qt::PartiallyChecked);
        QVERIFY(!fenster->daten().bereich(3).anzeigen);
        fenster->anzeigeSetzen(3, Qt::Checked);
        QVERIFY(fenster->daten().bereich(3).anzeigen);
    }

    void kopieren_verlaesst_erst_das_datumsfeld() {
        fenster->geschlechtWaehlen(herr);
        alleBewerten();
        fenster->anzeigeSetzen(13, Qt::Checked);
        tippen(austrittsdatum, QStringLiteral("31.3.04"));
        auto* kopierknopf = element<QPushButton>(QStringLiteral("cmdfertig(1)"));
        QTest::mouseClick(kopierknopf, Qt::LeftButton);

        QCOMPARE(fenster->text(austrittsdatum), QStringLiteral("31.03.2004"));
        QCOMPARE(plattform->zwischenablage.size(), 1);
        std::array<std::string, anzahlBereiche> vorschautexte;
        for (int i = 0; i < anzahlBereiche; ++i) {
            vorschautexte[i] = fenster->vorschautext(i + 1).toStdString();
        }
        QVERIFY(vorschautexte[12].find("31.03.2004") != std::string::npos);
        QCOMPARE(plattform->zwischenablageText(),
                 QString::fromStdString(klartext(fenster->daten(), vorschautexte)));
        QVERIFY(plattform->meldungen.isEmpty());
    }

    void zwischenablage_verweigert_wird_gemeldet() {
        plattform->zwischenablageGelingt = false;
        tippen(0, QStringLiteral("Erika"));
        QTest::mouseClick(element<QPushButton>(QStringLiteral("cmdfertig(1)")), Qt::LeftButton);
        QCOMPARE(plattform->meldungen.size(), 1);
        QCOMPARE(plattform->meldungen.first().titel, QStringLiteral("Velmora"));
        QCOMPARE(fenster->text(0), QStringLiteral("Erika"));
    }

    void enter_auf_befehlsknopf_drueckt_ihn() {
        auto* kopierknopf = element<QPushButton>(QStringLiteral("cmdfertig(1)"));
        kopierknopf->setFocus(Qt::TabFocusReason);
        QTest::keyClick(kopierknopf, Qt::Key_Return);
        QCOMPARE(plattform->zwischenablage.size(), 1);
        QVERIFY(kopierknopf->hasFocus());
    }

    void mausklick_markiert_den_ganzen_text_data() {
        QTest::addColumn<int>("eingabe");
        QTest::newRow("geburtsort") << 3;
        QTest::newRow("eintrittsdatum") << eintrittsdatum;
    }

    void mausklick_markiert_den_ganzen_text() {
        QFETCH(int, eingabe);
        box(0)->setFocus(Qt::TabFocusReason);
        QLineEdit* ziel = box(eingabe);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->rect().center());
        QVERIFY(ziel->hasFocus());
        QCOMPARE(ziel->selectedText(), ziel->text());
    }

    void standardknopf_nie_zu_sehen() {
        auto* standard = element<QPushButton>(QStringLiteral("cmbStandard"));
        const QRect sichtbar(QPoint(0, 0), fenster->centralWidget()->size());
        QVERIFY(!sichtbar.intersects(standard->geometry()));
        QCOMPARE(standard->focusPolicy(), Qt::NoFocus);
    }

    void vorschaulabels_der_bereiche_10_bis_13_data() {
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("label");
        QTest::newRow("Leistungsbeurteilung") << 10 << 12;
        QTest::newRow("Persönliche Führung") << 11 << 9;
        QTest::newRow("Beendigungsgrund") << 12 << 10;
        QTest::newRow("Schlussformel") << 13 << 11;
        QTest::newRow("Führungsfähigkeit") << 9 << 8;
    }

    void vorschaulabels_der_bereiche_10_bis_13() {
        QFETCH(int, bereich);
        QFETCH(int, label);
        fenster->geschlechtWaehlen(herr);
        auto* vorschau = element<QLabel>(QStringLiteral("lblVorschau(%1)").arg(label));
        auto* unten = element<Reiterfeld>(QStringLiteral("tabang(0)"));
        QVERIFY(unten->seite(bereich - 1)->isAncestorOf(vorschau));
        fenster->knopfSetzen(bereich, 0, true);
        QVERIFY(!vorschau->text().isEmpty());
        QCOMPARE(fenster->vorschautext(bereich), vorschau->text());
    }

    void beenden_schliesst() {
        QTest::mouseClick(element<QPushButton>(QStringLiteral("cmdfertig(2)")), Qt::LeftButton);
        QVERIFY(!fenster->isVisible());
    }
};

} // namespace velmora

QTEST_MAIN(velmora::FrmzgTest)
#include "frmzg_test.moc"
