// The team folder: clerks in other processes holding its lock and saving into it at once, a
// deletion against an edit, the folder gone while the window runs, nothing of it without one.
#include "platform/qtplattform.h"
#include "storage/textbausteine.h"
#include "support/testfenster.h"
#include "teamordner/teamabgleich.h"
#include "teamordner/teamdateien.h"
#include "window/bausteinablage.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <sys/stat.h>

using namespace velmora;

class TeamordnerTest : public QObject {
    Q_OBJECT

    QTemporaryDir wurzel;
    QString ordner;
    FakePlattform werkzeug;

    // What a folder holds, and a data folder's copy put in place (`teamordner` its setting).
    template <typename Stand> Stand in(const QString& wo) {
        std::optional<Stand> stand;
        QString fehler;
        lesen(werkzeug, Ablage{wo, Dateiart::Team, {}}, stand, fehler);
        Stand ergebnis = stand.value_or(Stand());
        if constexpr (std::is_same_v<Stand, Profilstand>) {
            ergebnis.profil.teamordner.clear(); // the data folder's setting
        }
        return ergebnis;
    }
    template <typename Stand>
    void ablegen(const QString& wo, const Stand& stand, const QString& teamordner = {}) {
        QString fehler;
        QVERIFY(schreiben(werkzeug, Ablage{wo, Dateiart::Eigen, teamordner}, stand, {}, fehler));
    }
    Profilstand profil(const char* firma, const char* ort = "") {
        return {Firmenprofil{firma, {}, {}, ort, {}}, {}};
    }
    static Textbaustein baustein(const char* id, const char* text) {
        return {id, id, 1, 1, Zeugnisart::Endzeugnis, text};
    }
    // Bernd's process, holding the folder's lock until its standard input closes.
    void halten(QProcess& halter) {
        halter.start(QCoreApplication::applicationDirPath() + "/velmora_teamhelfer",
                     {"halten", ordner, "bernd", "pc-bernd"});
        QVERIFY(halter.waitForReadyRead(10000) && halter.readLine() == "bereit\n");
    }
    QString teamhinweis(const test::Testfenster& t) const {
        return t.hinweise().filter(ordner).value(0);
    }
    static int modus(const QString& pfad) {
        struct stat eintrag {};
        ::stat(QFile::encodeName(pfad).constData(), &eintrag);
        return eintrag.st_mode & 07777;
    }

private slots:
    void init() {
        ordner = wurzel.filePath(QString::number(QRandomGenerator::global()->generate()));
        QVERIFY(QDir().mkpath(ordner));
    }

    // Held by another for longer than the program waits: the band names who and since when,
    // the change stays here, and once the lock is free "Erneut versuchen" brings it into the
    // folder, its files open to the folder's group.
    void GesperrtBleibtDieAenderungHier() {
        QProcess halter;
        halten(halter);
        QVERIFY(QtPlattform().teamordnerSperren(ordner).besetzt());
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz GmbH"), ordner);
        t.fenster->teamordnerAbgleichen();
        QVERIFY2(teamhinweis(t).contains(QRegularExpression(
                     " gerade von bernd auf pc-bernd \\(seit \\d\\d:\\d\\d Uhr\\) bearbeitet")),
                 qPrintable(teamhinweis(t)));
        QCOMPARE(in<Profilstand>(ordner), Profilstand());
        QCOMPARE(in<Profilstand>(t.plattform->datenordnerPfad), profil("Zevuz GmbH"));

        halter.closeWriteChannel();
        QVERIFY(halter.waitForFinished(10000));
        t.klicken(QStringLiteral("cmdHinweisAktion"));
        QCOMPARE(in<Profilstand>(ordner), profil("Zevuz GmbH"));
        QCOMPARE(teamhinweis(t), QString());
        QCOMPARE(modus(profilpfad(ordner, firmenprofildateiname)), 0660);
        QCOMPARE(modus(profilpfad(ordner, teamsperrdatei)), 0660);
    }

    // Two clerks in two processes save different blocks at the same moment: both are kept.
    void ZweiProzesseSpeichernZugleich() {
        QProcess anna, bernd;
        const QString helfer = QCoreApplication::applicationDirPath() + "/velmora_teamhelfer";
        anna.start(helfer, {"speichern", ordner, wurzel.filePath("anna"), "a", "Annas"});
        bernd.start(helfer, {"speichern", ordner, wurzel.filePath("bernd"), "b", "Bernds"});
        for (QProcess* prozess : {&anna, &bernd}) {
            QVERIFY(prozess->waitForFinished(20000));
            QVERIFY2(prozess->exitCode() == 0, prozess->readAllStandardError().constData());
        }
        QCOMPARE(in<Textbausteine>(ordner).size(), 2u); // "a" and "b", in either order
    }

    // Anna deletes a block that Bernd edits meanwhile: the edit is kept for both; what each
    // changed in the profile is kept as well.
    void LoeschenGegenBearbeiten() {
        FakePlattform anna, bernd;
        const auto abgleichen = [this](FakePlattform& p) {
            QCOMPARE(teamordnerAbgleichen(p, ordner).ergebnis, Teamabgleich::Ergebnis::Abgeglichen);
        };
        ablegen(anna.datenordnerPfad, Textbausteine{baustein("x", "alt"), baustein("y", "bleibt")});
        ablegen(anna.datenordnerPfad, profil("Zevuz", "Köln"));
        abgleichen(anna);
        abgleichen(bernd);
        ablegen(anna.datenordnerPfad, Textbausteine{baustein("y", "bleibt")});
        ablegen(anna.datenordnerPfad, profil("Zevuz GmbH", "Köln"));
        ablegen(bernd.datenordnerPfad,
                Textbausteine{baustein("x", "neu"), baustein("y", "bleibt")});
        ablegen(bernd.datenordnerPfad, profil("Zevuz", "Düsseldorf"));
        abgleichen(anna);
        abgleichen(bernd);
        abgleichen(anna);
        const Textbausteine soll = {baustein("y", "bleibt"), baustein("x", "neu")};
        QCOMPARE(in<Textbausteine>(ordner), soll);
        QCOMPARE(in<Textbausteine>(anna.datenordnerPfad), soll);
        QCOMPARE(in<Profilstand>(anna.datenordnerPfad), profil("Zevuz GmbH", "Düsseldorf"));
    }

    // The folder goes while the window runs: the band says so, the window works on with the
    // copy here, and what changed meanwhile reaches the folder when it is back.
    void OrdnerWegUndZurueck() {
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz"), ordner);
        t.fenster->teamordnerAbgleichen();
        QCOMPARE(in<Profilstand>(ordner), profil("Zevuz"));

        QVERIFY(QDir(ordner).removeRecursively());
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz GmbH"), ordner);
        t.fenster->teamordnerAbgleichen();
        QVERIFY2(teamhinweis(t).contains("ist nicht erreichbar"), qPrintable(teamhinweis(t)));
        QVERIFY(t.element<QTimer>(QStringLiteral("teamwiederholung"))->isActive());
        QCOMPARE(in<Profilstand>(t.plattform->datenordnerPfad), profil("Zevuz GmbH"));

        QVERIFY(QDir().mkpath(ordner));
        t.klicken(QStringLiteral("cmdHinweisAktion"));
        QCOMPARE(in<Profilstand>(ordner), profil("Zevuz GmbH"));
        QCOMPARE(teamhinweis(t), QString());
        QVERIFY(!t.element<QTimer>(QStringLiteral("teamwiederholung"))->isActive());
    }

    // A block saved in the window reaches the folder; one another clerk put there comes in.
    void BausteineDesFensters() {
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz"), ordner);
        auto* ablage = t.element<Bausteinablage>(QStringLiteral("bausteinablage"));
        QVERIFY(ablage->speichern({baustein("a", "Annas")}));
        QCoreApplication::processEvents(); // the sync follows the save
        QCOMPARE(in<Textbausteine>(ordner), Textbausteine{baustein("a", "Annas")});
        const Textbausteine beide = {baustein("a", "Annas"), baustein("b", "Bernds")};
        QString fehler;
        QVERIFY(schreiben(werkzeug, Ablage{ordner, Dateiart::Team, {}}, beide, {}, fehler));
        t.fenster->teamordnerAbgleichen();
        QCOMPARE(ablage->bausteine(), beide);
    }

    // A copy here that cannot be read is said to be this computer's, not blamed on the folder.
    void KopieHierUnlesbar() {
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz"), ordner);
        QVERIFY(QDir(t.plattform->datenordnerPfad).mkdir(QString::fromUtf8(textbausteindateiname)));
        t.fenster->teamordnerAbgleichen();
        QVERIFY2(teamhinweis(t).contains("auf diesem Rechner nicht lesen oder speichern"),
                 qPrintable(teamhinweis(t)));
    }

    // A logo larger than allowed is refused, never cut short and carried to the other places.
    void ZuGrossesLogo() {
        Profilstand stand = profil("Zevuz");
        stand.profil.logo = "firmenlogo.png";
        stand.logo = QByteArray(hoechsteLogogroesse + 1, 'x');
        ablegen(ordner, stand);
        std::optional<Profilstand> gelesen;
        QString fehler;
        QVERIFY(!lesen(werkzeug, Ablage{ordner, Dateiart::Team, {}}, gelesen, fehler));
        QVERIFY2(fehler.endsWith("Die Datei ist größer als 4 MB."), qPrintable(fehler));
    }

    // Without a team folder nothing is locked, read, written or said.
    void OhneOrdnerAllesWieBisher() {
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, profil("Zevuz"));
        const QStringList vorher = QDir(t.plattform->datenordnerPfad).entryList(QDir::AllEntries);
        t.fenster->teamordnerAbgleichen();
        QCOMPARE(QDir(t.plattform->datenordnerPfad).entryList(QDir::AllEntries), vorher);
        QVERIFY(t.plattform->teamzugriffe.isEmpty() && t.hinweise().isEmpty());
    }
};

QTEST_MAIN(TeamordnerTest)
#include "teamordner_test.moc"
