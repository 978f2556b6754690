// What the main window writes into a fixed box shows whole, at the usual screen resolution and
// at a larger one (CTest runs this program with QT_FONT_DPI at 96 and at 120): every preview
// text for both genders, and every tab caption.
#include "compose/anredeformen.h"
#include "compose/bewertungsbereich.h"
#include "compose/komposition.h"
#include "support/testfenster.h"
#include "ui/einpassbeschriftung.h"
#include "ui/reiterfeld.h"

#include <QAbstractButton>

using namespace velmora;

class EinpassenTest : public QObject {
    Q_OBJECT

    test::Testfenster t;

    // Wrapped at the label's width, the text fits the label's height.
    static bool passt(const QLabel* label, double punkte) {
        QFont schrift = label->font();
        schrift.setPointSizeF(punkte);
        const QRect noetig =
            QFontMetrics(schrift, label)
                .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
        return noetig.width() <= label->width() && noetig.height() <= label->height();
    }

private slots:
    void initTestCase() {
        t.zeigen();
        // Qt scales a higher resolution by the device pixel ratio; the fonts go with it.
        const int aufloesung = qEnvironmentVariableIntValue("QT_FONT_DPI");
        QVERIFY(aufloesung == 0 ||
                qRound(t.fenster->logicalDpiY() * t.fenster->devicePixelRatioF()) == aufloesung);
    }

    // With a long name, each in every phrasing on its section's page in the largest size that
    // fits, at most the label's own.
    void JederVorschautextPasst() {
        t.fenster->textSetzen(static_cast<int>(Eingabe::Name), "von Müller-Lüdenscheidt");
        const auto* seiten = t.element<Reiterfeld>("tabang(0)");
        int texte = 0;
        for (const int geschlecht : {herr, frau}) {
            t.fenster->geschlechtWaehlen(geschlecht);
            for (const Bewertungsbereich& bereich : bewertungsbereiche) {
                const auto* label = t.element<Einpassbeschriftung>(
                    QString("lblVorschau(%1)").arg(bereich.vorschauIndex));
                QVERIFY(seiten->seite(bereich.nummer - 1)->isAncestorOf(label));
                const int formulierungen = bereich.istBeendigungsgrund() ? 1 : anzahlFormulierungen;
                for (int n = 0; n < bereich.stufen() * formulierungen; ++n, ++texte) {
                    const int note = n / formulierungen + 1, formulierung = n % formulierungen;
                    t.fenster->knopfSetzen(bereich.nummer, note - 1, true);
                    if (!bereich.istBeendigungsgrund()) {
                        t.element<QAbstractButton>(
                             QString("optFormulierung%1(%2)").arg(bereich.nummer).arg(formulierung))
                            ->click();
                    }
                    const QString wo = QString("%1 %2 %3 %4")
                                           .arg(bereich.nummer)
                                           .arg(note)
                                           .arg(formulierung + 1)
                                           .arg(geschlecht);
                    QCOMPARE(label->text().toStdString(),
                             vorschautext(bereich.nummer, note, Anredeformen::fuer(geschlecht),
                                          t.fenster->daten()));
                    const double punkte = label->font().pointSizeF();
                    QVERIFY2(passt(label, punkte), qPrintable(wo));
                    QVERIFY2(punkte == label->nennschrift().pointSizeF() ||
                                 (punkte < label->nennschrift().pointSizeF() &&
                                  !passt(label, punkte + 0.25)),
                             qPrintable(wo));
                }
            }
        }
        QCOMPARE(texte, 2 * (72 * anzahlFormulierungen + 3));
    }

    // All captions of a strip in one font, none wider or higher than its place in the tab.
    void JedeReiterbeschriftungPasst() {
        for (const int leiste : {untereLeiste, obereLeiste}) {
            const auto* reiter = t.element<Reiterfeld>(QString("tabang(%1)").arg(leiste));
            const QFontMetrics masse(reiter->beschriftungsschrift(), reiter);
            QVERIFY(reiter->beschriftungsschrift().pointSizeF() <= reiter->font().pointSizeF());
            for (int i = 0; i < reiter->anzahl(); ++i) {
                const QRect feld = reiter->beschriftungsfeld(i);
                const QString text = reiter->beschriftung(i).remove('&');
                QVERIFY2(masse.horizontalAdvance(text) <= feld.width() &&
                             masse.height() <= feld.height(),
                         qPrintable(text));
            }
        }
    }
};

QTEST_MAIN(EinpassenTest)
#include "einpassen_test.moc"
