// The pages as laid out: where the lines of each kind of paragraph stand, the heading's real
// width, an empty paragraph's height, the letterhead, the breaks between pages and their numbers.
#include "render/seitensatz.h"

#include <QTest>

#include <map>
#include <ranges>

using namespace velmora;

namespace {

constexpr Seite a4;
constexpr double links = a4.links;
constexpr double rechts = a4.breite - a4.rechts;
constexpr double toleranz = 40; // a glyph's outline stands a little inside its advance

// Each line of a page by its baseline: the box of its glyphs' outlines.
std::vector<QRectF> zeilen(const GesetzteSeite& seite) {
    std::map<double, QRectF> nachGrundlinie;
    for (const QGlyphRun& lauf : seite.glyphen) {
        nachGrundlinie[lauf.positions().first().y()] |= lauf.boundingRect();
    }
    const auto zeilen = nachGrundlinie | std::views::values;
    return {zeilen.begin(), zeilen.end()};
}

Seitensatz setzen(std::vector<Absatz> absaetze, Briefkopf briefkopf = {}) {
    return seitensatz({.briefkopf = std::make_shared<const Briefkopf>(std::move(briefkopf)),
                       .absaetze = std::move(absaetze)});
}

} // namespace

class SeitensatzTest : public QObject {
    Q_OBJECT

private slots:
    // Left: every line at the margin. Centred: about the middle. Justified: every line but the
    // last from margin to margin. A list item: the bullet at the margin, the text indented.
    void ZeilenNachAusrichtung() {
        const std::string text = QString("Zuverlässigkeit und Einsatz ").repeated(30).toStdString();
        for (const auto& [ausrichtung, listenpunkt] : {std::pair{Ausrichtung::Links, false},
                                                       {Ausrichtung::Zentriert, false},
                                                       {Ausrichtung::Blocksatz, false},
                                                       {Ausrichtung::Links, true}}) {
            const std::vector<QRectF> z =
                zeilen(setzen({{{{text}}, ausrichtung, {}, listenpunkt}}).seiten.at(0));
            QCOMPARE_GE(z.size(), 3u);
            for (std::size_t i = 0; i < z.size(); ++i) {
                const double einzug = i && listenpunkt ? listeneinzug : 0;
                QVERIFY(z[i].left() > links - toleranz && z[i].right() < rechts + toleranz);
                if (ausrichtung == Ausrichtung::Zentriert) {
                    QCOMPARE_LT(std::abs(z[i].center().x() - (links + rechts) / 2), toleranz);
                } else {
                    QCOMPARE_LT(std::abs(z[i].left() - links - einzug), toleranz);
                    QCOMPARE(std::abs(z[i].right() - rechts) < toleranz,
                             ausrichtung == Ausrichtung::Blocksatz && i + 1 < z.size());
                }
            }
        }
    }

    // A word longer than a line fills each line to the margin and goes on on the next.
    void UeberlangesWortFuelltZeilen() {
        const std::vector<QRectF> z =
            zeilen(setzen({{{{std::string(1000, 'x')}}, Ausrichtung::Blocksatz}}).seiten.at(0));
        QCOMPARE_GT(z.size(), 5u);
        for (std::size_t i = 0; i + 1 < z.size(); ++i) {
            QCOMPARE_LT(std::abs(z[i].left() - links), toleranz);
            QCOMPARE_LT(rechts - z[i].right(), 200); // less than one more x
            QCOMPARE_LT(z[i].right(), rechts + toleranz);
        }
    }

    // The heading is 14 points with characters half as wide again, not a larger size; an empty
    // paragraph is as high as its mark's font.
    void BreiteUndHoehe() {
        const auto ueberschrift = [](int breite) {
            const Zeichenformat format{.fett = true, .halbpunkte = 28, .breite = breite};
            return setzen({{.laeufe = {{"ZEUGNIS", format}}}}).seiten[0].glyphen.at(0);
        };
        QCOMPARE(ueberschrift(150).rawFont().pixelSize(), 280);
        QCOMPARE(ueberschrift(150).boundingRect().height(),
                 ueberschrift(100).boundingRect().height());
        const double verhaeltnis =
            ueberschrift(150).boundingRect().width() / ueberschrift(100).boundingRect().width();
        QVERIFY2(std::abs(verhaeltnis - 1.5) < 0.02, qPrintable(QString::number(verhaeltnis)));

        const auto nachLeerzeile = [](int halbpunkte) {
            const Seitensatz satz = setzen({{.marke = {.halbpunkte = halbpunkte}}, {{{"x"}}}});
            return zeilen(satz.seiten[0]).at(0).top() - a4.oben;
        };
        QCOMPARE(nachLeerzeile(28) / nachLeerzeile(20), 1.4);
    }

    // The letterhead on the first page only; the lines go on onto the next pages, never below
    // the bottom margin, each page beginning at the top margin and numbered in small centred
    // type below the text.
    void BriefkopfUndSeitenumbruch() {
        const Seitensatz satz = setzen(std::vector<Absatz>(120, {{{"Zeile"}}}),
                                       {Bild{Bildformat::Png, {}, 1440, 720}, {"Zevuz GmbH"}});
        QCOMPARE(satz.seiten.size(), 3u);
        QCOMPARE(satz.seiten[0].bilder.at(0).ort,
                 QRectF((a4.breite - 1440) / 2, a4.oben, 1440, 720));
        std::size_t anzahl = 0;
        for (const GesetzteSeite& seite : satz.seiten) {
            std::vector<QRectF> z = zeilen(seite);
            const QRectF seitenzahl = z.back();
            z.pop_back();
            QCOMPARE_LT(std::abs(seitenzahl.center().x() - (links + rechts) / 2), toleranz);
            QCOMPARE_LT(std::abs(seitenzahl.bottom() - (a4.hoehe - fusszeilenabstand)), 60);
            QCOMPARE_LT(seitenzahl.height(), z.back().height());
            QCOMPARE_LT(z.back().bottom(), a4.hoehe - a4.unten);
            QCOMPARE_LT(std::abs(z.front().top() - a4.oben - (anzahl ? 0 : 720)), toleranz);
            QCOMPARE(seite.bilder.size(), anzahl ? 0u : 1u);
            anzahl += z.size();
        }
        QCOMPARE(anzahl, 1 + 120u); // the letterhead's line and the paragraphs
        QCOMPARE(zeilen(setzen({{{{"Zeile"}}}}).seiten.at(0)).size(), 1u); // one page: no number
    }

    // Where the first page ends after `fuellung` one-line paragraphs (counted back from what
    // fills the page) and a paragraph of `zeilen` lines: a paragraph leaves no single line at
    // the foot or the head of a page, one kept whole or with the next moves along.
    void UmbruchHaeltZusammen_data() {
        QTest::addColumn<int>("fuellung");
        QTest::addColumn<int>("verkettet"); // of the fill at its end, -1: all
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<bool>("ungeteilt");
        QTest::addColumn<int>("ersteSeite");
        QTest::newRow("letzte Zeile allein oben") << -2 << 0 << 3 << false << -2;
        QTest::newRow("erste Zeile allein unten") << -1 << 0 << 4 << false << -1;
        QTest::newRow("zwei unten, zwei oben") << -2 << 0 << 4 << false << 0;
        QTest::newRow("ungeteilt") << -2 << 0 << 4 << true << -2;
        QTest::newRow("mit dem nächsten") << 0 << 2 << 1 << false << -2;
        QTest::newRow("mit dem nächsten, höher als eine Seite") << 0 << -1 << 1 << false << 0;
    }

    void UmbruchHaeltZusammen() {
        QFETCH(int, fuellung);
        QFETCH(int, verkettet);
        QFETCH(int, zeilen);
        QFETCH(bool, ungeteilt);
        QFETCH(int, ersteSeite);
        const auto ersteSeiteZeilen = [](const Seitensatz& satz) {
            return int(::zeilen(satz.seiten.at(0)).size()) - (satz.seiten.size() > 1);
        };
        const int voll = ersteSeiteZeilen(setzen(std::vector<Absatz>(200, {{{"Zeile"}}})));
        std::vector<Absatz> absaetze(voll + fuellung, {{{"Zeile"}}});
        for (int i = 0; i < (verkettet < 0 ? voll : verkettet); ++i) {
            absaetze.rbegin()[i].mitNaechstem = true;
        }
        QStringList text(zeilen, QStringLiteral("Zeile"));
        absaetze.push_back(
            {.laeufe = {{text.join(QChar::LineSeparator).toStdString()}}, .ungeteilt = ungeteilt});
        QCOMPARE(ersteSeiteZeilen(setzen(absaetze)), voll + ersteSeite);
    }
};

QTEST_MAIN(SeitensatzTest)
#include "seitensatz_test.moc"
