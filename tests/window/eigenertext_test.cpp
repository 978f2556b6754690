// A section's own words in the window: the box that the button or a double-click opens, kept
// on leaving, discarded by Escape, given back to the library when emptied or restored; every
// output carries them, a close and a crash keep them, and a change they do not follow is said.
#include "output/klartext.h"
#include "support/testfenster.h"

#include <QtWidgets>

using namespace velmora;

namespace {

constexpr int weiterbildung = 2;

// The text of every run of a document, one paragraph a line.
QString dokumenttext(const Dokumentmodell& modell) {
    QString text;
    for (const Absatz& absatz : modell.absaetze) {
        for (const Lauf& lauf : absatz.laeufe) {
            text += QString::fromStdString(lauf.text);
        }
        text += '\n';
    }
    return text;
}

} // namespace

class EigenerTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

    QPlainTextEdit* feld(int bereich) const {
        return t->element<QPlainTextEdit>(QString("txtEigen(%1)").arg(bereich - 1));
    }
    std::string eigener(int bereich) const { return t->fenster->daten().eigenerText(bereich); }
    // Opens the section's box by its button, puts `text` in it and leaves it by `taste`.
    void schreiben(int bereich, const QString& text, Qt::Key taste = Qt::Key_Tab) {
        t->fenster->reiterSetzen(untereLeiste, bereich - 1);
        t->klicken(QString("cmdText(%1)").arg(bereich - 1));
        QVERIFY(feld(bereich)->hasFocus());
        feld(bereich)->setPlainText(text);
        QTest::keyClick(feld(bereich), taste);
    }

private slots:
    void init() {
        t = std::make_unique<test::Testfenster>();
        t->starten();
        t->fenster->knopfSetzen(weiterbildung, 1, true);
    }

    // What stays of an edit: the words left by Tab or Enter; nothing after Escape, after an
    // empty box or the library's text left as it was. The marker and the restore button
    // stand exactly while the section has own words.
    void BearbeitenUndVerwerfen() {
        const QString baustein = t->fenster->vorschautext(weiterbildung);
        const struct {
            QString getippt;
            Qt::Key taste;
            std::string bleibt;
        } faelle[] = {
            {"Er lernte gern.", Qt::Key_Tab, "Er lernte gern."},
            {"Er lernte  gern ", Qt::Key_Return, "Er lernte  gern"},
            {"Er lernte nie.", Qt::Key_Escape, "Er lernte  gern"},
            {" ", Qt::Key_Tab, ""},
            {baustein, Qt::Key_Tab, ""},
        };
        for (const auto& fall : faelle) {
            schreiben(weiterbildung, fall.getippt, fall.taste);
            QCOMPARE(eigener(weiterbildung), fall.bleibt);
            const bool eigen = !fall.bleibt.empty();
            QCOMPARE(t->fenster->vorschautext(weiterbildung),
                     eigen ? QString::fromStdString(fall.bleibt) : baustein);
            QCOMPARE(t->element("lblEigen(1)")->isVisible(), eigen);
            QCOMPARE(t->element("cmdBaustein(1)")->isVisible(), eigen);
            QVERIFY(!feld(weiterbildung)->isVisible());
        }
        QTest::mouseDClick(t->element("lblVorschau(1)"), Qt::LeftButton);
        QVERIFY(feld(weiterbildung)->hasFocus() && feld(weiterbildung)->toPlainText() == baustein);
        QTest::keyClicks(feld(weiterbildung), " Mit Erfolg.");
        t->element("chkAnz(1)")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(eigener(weiterbildung), baustein.toStdString() + " Mit Erfolg.");
        t->klicken("cmdBaustein(1)");
        QCOMPARE(eigener(weiterbildung), "");
        QCOMPARE(t->fenster->vorschautext(weiterbildung), baustein);
    }

    // The clipboard text, Zeugnis.doc and the document every other output renders carry the
    // words, with ". " where the section runs on, even when the box still had the focus.
    void JedeAusgabeTraegtIhn() {
        t->fenster->knopfSetzen(1, 0, true);
        t->fenster->anzeigeSetzen(1, Qt::Checked);
        t->fenster->anzeigeSetzen(weiterbildung, Qt::Checked);
        schreiben(1, "Er kannte sein Fach");
        t->fenster->reiterSetzen(untereLeiste, weiterbildung - 1);
        t->klicken("cmdText(1)");
        QTest::keyClicks(feld(weiterbildung), " Mit Erfolg.");
        t->element<QPushButton>("cmdfertig(1)")->click(); // as a button without mouse focus
        const QString erwartet = "Er kannte sein Fach. ";
        const QString zwischenablage = t->plattform->zwischenablage.value(0);
        QVERIFY2(zwischenablage.contains(erwartet + "\r\n") &&
                     zwischenablage.contains(" Mit Erfolg.\r\n"),
                 qPrintable(zwischenablage));
        t->klicken("cmdfertig(0)");
        const QByteArray doc = t->lesen(t->dokument("Zeugnis.doc")).value();
        QVERIFY(doc.contains(erwartet.toUtf8()) && doc.contains(" Mit Erfolg."));
        const QString modell = dokumenttext(t->fenster->ausgabe().modell);
        QVERIFY(modell.contains(erwartet + '\n') && modell.contains(" Mit Erfolg.\n"));
    }

    // The words outlast a close (the state file) and a crash (the recovery file).
    void UeberstehenSchliessenUndAbsturz() {
        schreiben(weiterbildung, "Er lernte gern.");
        QVERIFY(t->fenster->close());
        t->starten();
        QCOMPARE(eigener(weiterbildung), "Er lernte gern.");
        schreiben(3, "Er begriff schnell");
        t->absturz();
        t->starten();
        QCOMPARE(eigener(weiterbildung), "Er lernte gern.");
        QCOMPARE(eigener(3), "Er begriff schnell. ");
        QVERIFY(t->element("lblEigen(2)")->isVisibleTo(t->fenster.get()));
    }

    // Below the box the reading follows every key; it stays below the own words and goes
    // with them.
    void LesartFolgtDemTippen() {
        t->fenster->knopfSetzen(10, 1, true);
        schreiben(10, "Er erledigte seine Aufgaben zu unserer Zufriedenheit.");
        auto* lesart = t->element<QLabel>("lblLesart(9)");
        QCOMPARE(lesart->text(), "Ihr Text liest sich wie Note 4 – gewählt ist 2");
        t->klicken("cmdText(9)");
        feld(10)->setPlainText(
            "Er erledigte seine Aufgaben stets zu unserer vollsten Zufriedenheit.");
        QCOMPARE(lesart->text(), "Ihr Text liest sich wie Note 1 – gewählt ist 2");
        QTest::keyClick(feld(10), Qt::Key_Escape);
        QCOMPARE(lesart->text(), "Ihr Text liest sich wie Note 4 – gewählt ist 2");
        t->klicken("cmdBaustein(9)");
        QVERIFY(!lesart->isVisible());
    }

    // A grade, the gender or a name changed under own words keeps them and says so; the
    // words just written say nothing.
    void AenderungWirdGemeldet() {
        schreiben(weiterbildung, "Herr Mustermann lernte gern.");
        QVERIFY(t->hinweise().isEmpty());
        t->klicken("opt2(2)");
        auto* anrede = t->element<QComboBox>("cmbang");
        anrede->setCurrentIndex(frau);
        emit anrede->activated(frau);
        t->eintippen(static_cast<int>(Eingabe::Name), "Meyer");
        QCOMPARE(t->hinweise(),
                 QStringList({"Der eigene Text in „Weiterbildung“ wurde für Note 2 geschrieben; "
                              "gewählt ist Note 3.",
                              "Der eigene Text in „Weiterbildung“ wurde für „Herr“ geschrieben; "
                              "gewählt ist „Frau“.",
                              "Der eigene Text in „Weiterbildung“ enthält noch „Mustermann“; die "
                              "Angabe lautet jetzt „Meyer“."}));
        QCOMPARE(eigener(weiterbildung), "Herr Mustermann lernte gern.");
    }
};

QTEST_MAIN(EigenerTextTest)
#include "eigenertext_test.moc"
