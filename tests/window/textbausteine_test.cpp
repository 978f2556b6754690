// The user's text blocks in the window: a section's words kept as a block with its slots
// checked, read again by the next window, chosen for another reference; renamed, deleted,
// exported and imported without touching a reference's words; a failed write said.
#include "storage/textbausteine.h"
#include "support/testfenster.h"
#include "window/bausteinablage.h"
#include "window/bausteinverwaltung.h"

#include <QSignalSpy>
#include <QtWidgets>

using namespace velmora;

namespace {

constexpr int weiterbildung = 2;
const Textbaustein lager{"b1", "Lager", 2, 1, Zeugnisart::Endzeugnis, "{Er} packte an."};

// Does `schritt` with the modal dialog that the next step opens, once it is open.
void imDialog(std::function<void(QWidget&)> schritt) {
    QTimer::singleShot(0, [schritt] { schritt(*QApplication::activeModalWidget()); });
}

} // namespace

class TextbausteineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Testfenster> t;

    Bausteinablage& ablage() const { return *t->element<Bausteinablage>("bausteinablage"); }
    // The entries the section's chooser offers now.
    QList<QAction*> angebot(int bereich) const {
        QMenu* menue =
            t->element<QPushButton>(QString("cmdBausteinwahl(%1)").arg(bereich - 1))->menu();
        emit menue->aboutToShow();
        return menue->actions();
    }
    void angestellte(int geschlecht, const char* vorname) {
        Zeugnisdaten d = t->fenster->daten();
        d.geschlecht = geschlecht;
        d.text(Eingabe::Vorname) = vorname;
        d.text(Eingabe::Name) = "Berg";
        d.bereich(weiterbildung) = {2, anzeigeAn, 1};
        t->fenster->datenSetzen(d);
    }

private slots:
    void init() {
        t = std::make_unique<test::Testfenster>();
        t->starten();
    }

    void SpeichernLadenVerwenden() {
        angestellte(frau, "Anna");
        Zeugnisdaten d = t->fenster->daten();
        d.eigenerText(weiterbildung) = "Frau Berg bildete sich fort; Kunden schätzten sie.";
        t->fenster->datenSetzen(d);
        const QByteArray zeugnis = zeugnisdateiSchreiben(d);

        imDialog([](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("txtName")->setText("Fortbildung");
            auto* woerter = dialog.findChild<QListWidget*>("lstErsetzungen");
            QCOMPARE(woerter->count(), 3);
            woerter->item(2)->setCheckState(Qt::Unchecked); // "sie": the customers'
            QCOMPARE(dialog.findChild<QPlainTextEdit*>("txtHerr")->toPlainText(),
                     "Herr Berg bildete sich fort; Kunden schätzten sie.");
            static_cast<QDialog&>(dialog).accept();
        });
        t->klicken(QString("cmdAlsBaustein(%1)").arg(weiterbildung - 1));
        QCOMPARE(ablage().bausteine().size(), 1u);
        // The same name again is asked about, and kept when the user cancels.
        imDialog([](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("txtName")->setText(" Fortbildung ");
            static_cast<QDialog&>(dialog).accept();
        });
        t->plattform->antworten = {1};
        t->klicken(QString("cmdAlsBaustein(%1)").arg(weiterbildung - 1));
        QVERIFY(t->plattform->gefragt.last().contains("schon einen Textbaustein „Fortbildung“"));
        QCOMPARE(ablage().bausteine().size(), 1u);
        QVERIFY(ablage().bausteine().front().text.ends_with("schätzten sie."));
        QCOMPARE(zeugnisdateiSchreiben(t->fenster->daten()), zeugnis); // saving changes nothing

        // The next window reads the block and offers it to a man's reference.
        t->fenster->close();
        t->starten();
        angestellte(herr, "Jan");
        const QList<QAction*> woerter = angebot(weiterbildung);
        QCOMPARE(woerter.size(), 1);
        QCOMPARE(woerter[0]->text(), "Fortbildung");
        woerter[0]->trigger();
        const std::string id = ablage().bausteine().front().id;
        QCOMPARE(t->fenster->daten().eigenerText(weiterbildung),
                 "Herr Berg bildete sich fort; Kunden schätzten sie.");
        QCOMPARE(t->fenster->daten().bausteinIds[weiterbildung - 1], id);
        QVERIFY(zeugnisdateiSchreiben(t->fenster->daten()).contains(id.c_str()));

        // Another grade is marked; renamed and deleted, the reference keeps its words.
        t->fenster->knopfSetzen(weiterbildung, 0, true);
        QCOMPARE(angebot(weiterbildung)[0]->text(), "Fortbildung (Note 2)");
        angebot(weiterbildung)[0]->trigger();
        QVERIFY(t->hinweise().contains(
            "Der Textbaustein „Fortbildung“ wurde für Note 2 geschrieben; gewählt ist Note 1."));
        const Zeugnisdaten vorher = t->fenster->daten();
        imDialog([](QWidget& dialog) {
            auto* liste = dialog.findChild<QTreeWidget*>("lstBausteine");
            liste->topLevelItem(0)->setText(3, "Weiterbildung Lager");
            liste->topLevelItem(0)->setSelected(true);
            dialog.findChild<QPushButton*>("cmdLoeschen")->click();
            QCOMPARE(liste->topLevelItemCount(), 0);
            static_cast<QDialog&>(dialog).reject();
        });
        t->menue("mnuTextbausteine");
        QVERIFY(t->plattform->gefragt.last().contains("„Weiterbildung Lager“ löschen?"));
        QVERIFY(ablage().bausteine().empty());
        QVERIFY(t->fenster->daten() == vorher);
    }

    // A block chosen from the open box's context menu stays once the box is left.
    void BausteinAusDemKontextmenue() {
        angestellte(frau, "Anna");
        QVERIFY(ablage().speichern({lager}));
        t->fenster->reiterSetzen(untereLeiste, weiterbildung - 1);
        t->klicken(QString("cmdText(%1)").arg(weiterbildung - 1));
        auto* feld = t->element<QPlainTextEdit>(QString("txtEigen(%1)").arg(weiterbildung - 1));
        feld->setPlainText("Sie lernte.");
        QTimer::singleShot(0, [] {
            auto* menue = static_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* eintrag : menue->actions()) {
                if (eintrag->text() == "Textbaustein verwenden") {
                    emit eintrag->menu()->aboutToShow();
                    eintrag->menu()->actions()[0]->trigger();
                }
            }
            menue->close();
        });
        emit feld->customContextMenuRequested(feld->rect().center());
        t->klicken("cmdfertig(1)"); // copying leaves every box
        QCOMPARE(t->fenster->daten().eigenerText(weiterbildung), "Sie packte an.");
        QCOMPARE(t->fenster->daten().bausteinIds[weiterbildung - 1], lager.id);
    }

    void ExportUndImport() {
        FakePlattform plattform;
        Bausteinablage ablage(plattform);
        Textbaustein zweiter = lager;
        zweiter.id = "b2";
        zweiter.name = "Büro";
        QVERIFY(ablage.speichern({lager, zweiter}));
        const QString datei = plattform.dokumentenordnerPfad + "/export.json";
        Bausteinverwaltung verwaltung(ablage, plattform);
        plattform.dateiantworten = {datei};
        verwaltung.exportieren();

        QVERIFY(ablage.speichern({lager}));
        plattform.dateiantworten = {datei};
        verwaltung.importieren();
        QCOMPARE(ablage.bausteine(), (Textbausteine{lager, zweiter}));
        QVERIFY(plattform.meldungen.last().contains("1 Textbausteine übernommen. 1 waren schon"));

        QVERIFY(dateischicht::ersetzen(datei, Dateiart::Dokument, "{\"format\": \"x\"}", {}));
        plattform.dateiantworten = {datei};
        verwaltung.importieren();
        QCOMPARE(plattform.meldungen.last(),
                 "Die Datei „" + datei +
                     "“ enthält keine Textbausteine: „format“ ist nicht "
                     "„velmora-textbausteine“.");
    }

    void AblageMeldetFehler() {
        FakePlattform plattform;
        Bausteinablage ablage(plattform);
        QSignalSpy hinweise(&ablage, &Bausteinablage::hinweis);
        QSignalSpy geaendert(&ablage, &Bausteinablage::geaendert); // the team's sync
        plattform.ersetzenScheitert = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
        QVERIFY(!ablage.speichern({lager}));
        QCOMPARE(ablage.bausteine(), Textbausteine{lager}); // for this run
        QCOMPARE(hinweise.size(), 1);
        QVERIFY(geaendert.isEmpty());
        QVERIFY(hinweise[0][0].toString().contains("kein Platz mehr"));
        QVERIFY(Bausteinablage(plattform).bausteine().empty());

        // A file that cannot be read is never overwritten.
        plattform.ersetzenScheitert.reset();
        const QString pfad = eigenerPfad(plattform, textbausteindateiname);
        QVERIFY(dateischicht::ersetzen(pfad, Dateiart::Eigen, "{kaputt", nullptr));
        Bausteinablage kaputt(plattform);
        QSignalSpy gelesen(&kaputt, &Bausteinablage::hinweis);
        QVERIFY(!kaputt.speichern({lager}));
        QVERIFY(gelesen[0][0].toString().contains("„" + pfad + "“"));
        QCOMPARE(*plattform.dateiLesen(pfad, Dateiart::Eigen, 100, nullptr), "{kaputt");
    }
};

QTEST_MAIN(TextbausteineTest)
#include "textbausteine_test.moc"
