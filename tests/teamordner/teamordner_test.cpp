// The team folder: clerks in other processes holding its lock and saving into it at once, a
// deletion against an edit, the folder gone while the window runs, and nothing of it without
// a folder.
#include "platform/qtplattform.h"
#include "render/briefkopf.h"
#include "storage/textbausteine.h"
#include "support/testfenster.h"
#include "teamordner/teamabgleich.h"

#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <sys/stat.h>

using namespace velmora;

namespace {

Textbaustein baustein(const char* id, const char* text) {
    return {id, id, 1, 1, Zeugnisart::Endzeugnis, text};
}

QString datei(const QString& ordner, std::string_view name) {
    return profilpfad(ordner, name);
}

Firmenprofil profilIn(const QString& ordner) {
    return firmenprofilLesen(
        dateischicht::lesen(datei(ordner, firmenprofildateiname), Dateiart::Team, 1 << 20)
            .value_or(""));
}

Textbausteine bausteineIn(const QString& ordner) {
    return textbausteineLesen(
               dateischicht::lesen(datei(ordner, textbausteindateiname), Dateiart::Team, 1 << 20)
                   .value_or(""),
               {})
        .bausteine.value_or(Textbausteine());
}

void ablegen(const QString& ordner, const Firmenprofil& profil) {
    QVERIFY(dateischicht::ersetzen(datei(ordner, firmenprofildateiname), Dateiart::Eigen,
                                   firmenprofilSchreiben(profil), nullptr));
}

void ablegen(const QString& ordner, const Textbausteine& bausteine) {
    QVERIFY(dateischicht::ersetzen(datei(ordner, textbausteindateiname), Dateiart::Eigen,
                                   textbausteineSchreiben(bausteine), nullptr));
}

int modus(const QString& pfad) {
    struct stat eintrag {};
    return ::stat(QFile::encodeName(pfad).constData(), &eintrag) == 0 ? eintrag.st_mode & 07777
                                                                      : -1;
}

} // namespace

class TeamordnerTest : public QObject {
    Q_OBJECT

    QTemporaryDir wurzel;
    QString ordner;

    QString helfer() const {
        return QCoreApplication::applicationDirPath() + "/velmora_teamhelfer";
    }
    // Bernd on his computer holds the folder's lock until the process is told to let go.
    void halten(QProcess& halter) {
        halter.start(helfer(), {"halten", ordner, "bernd", "pc-bernd"});
        QVERIFY(halter.waitForReadyRead(10000));
        QCOMPARE(halter.readLine(), QByteArray("bereit\n"));
    }
    void loslassen(QProcess& halter) {
        halter.closeWriteChannel();
        QVERIFY(halter.waitForFinished(10000));
    }
    QString teamhinweis(const test::Testfenster& t) const {
        const QStringList hinweise = t.hinweise().filter(ordner);
        return hinweise.isEmpty() ? QString() : hinweise.last();
    }
    void teamordnerSetzen(test::Testfenster& t, const std::string& firma) {
        ablegen(t.plattform->datenordnerPfad,
                Firmenprofil{firma, {}, {}, {}, {}, ordner.toStdString()});
    }

private slots:
    void init() {
        ordner =
            wurzel.filePath(QStringLiteral("team%1").arg(QRandomGenerator::global()->generate()));
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
        teamordnerSetzen(t, "Zevuz GmbH");
        t.fenster->teamordnerAbgleichen();
        QVERIFY2(
            teamhinweis(t).contains(QRegularExpression(
                " werden gerade von bernd auf pc-bernd \\(seit \\d\\d:\\d\\d Uhr\\) bearbeitet")),
            qPrintable(teamhinweis(t)));
        QVERIFY(!QFile::exists(datei(ordner, firmenprofildateiname)));
        QCOMPARE(firmenprofilLaden(*t.plattform).firma, std::string("Zevuz GmbH"));

        loslassen(halter);
        t.klicken(QStringLiteral("cmdHinweisAktion"));
        QCOMPARE(profilIn(ordner), (Firmenprofil{"Zevuz GmbH", {}, {}, {}, {}, {}}));
        QCOMPARE(teamhinweis(t), QString());
        QCOMPARE(modus(datei(ordner, firmenprofildateiname)), 0660);
        QCOMPARE(modus(datei(ordner, teamsperrdatei)), 0660);
    }

    // Two clerks in two processes save different blocks at the same moment: both are kept.
    void ZweiProzesseSpeichernZugleich() {
        QProcess anna, bernd;
        anna.start(helfer(), {"speichern", ordner, wurzel.filePath("anna"), "a", "Annas"});
        bernd.start(helfer(), {"speichern", ordner, wurzel.filePath("bernd"), "b", "Bernds"});
        for (QProcess* prozess : {&anna, &bernd}) {
            QVERIFY(prozess->waitForFinished(20000));
            QVERIFY2(prozess->exitCode() == 0, prozess->readAllStandardError().constData());
        }
        QStringList ids;
        for (const Textbaustein& b : bausteineIn(ordner)) {
            ids.append(QString::fromStdString(b.id));
        }
        ids.sort();
        QCOMPARE(ids, (QStringList{"a", "b"}));
    }

    // Anna deletes a block that Bernd edits meanwhile: the edit is kept for both; what each
    // changed in the profile is kept as well.
    void LoeschenGegenBearbeiten() {
        FakePlattform anna, bernd;
        const auto abgleichen = [this](FakePlattform& p) {
            QCOMPARE(teamordnerAbgleichen(p, ordner).ergebnis, Teamabgleich::Ergebnis::Abgeglichen);
        };
        ablegen(anna.datenordnerPfad, Textbausteine{baustein("x", "alt"), baustein("y", "bleibt")});
        ablegen(anna.datenordnerPfad, Firmenprofil{"Zevuz", {}, {}, "Köln", {}, {}});
        abgleichen(anna);
        abgleichen(bernd);
        QCOMPARE(bausteineIn(bernd.datenordnerPfad).size(), 2u);

        ablegen(anna.datenordnerPfad, Textbausteine{baustein("y", "bleibt")});
        ablegen(anna.datenordnerPfad, Firmenprofil{"Zevuz GmbH", {}, {}, "Köln", {}, {}});
        ablegen(bernd.datenordnerPfad,
                Textbausteine{baustein("x", "neu"), baustein("y", "bleibt")});
        ablegen(bernd.datenordnerPfad, Firmenprofil{"Zevuz", {}, {}, "Düsseldorf", {}, {}});
        abgleichen(anna);
        abgleichen(bernd);
        abgleichen(anna);
        const Textbausteine soll = {baustein("y", "bleibt"), baustein("x", "neu")};
        QCOMPARE(bausteineIn(ordner), soll);
        QCOMPARE(bausteineIn(anna.datenordnerPfad), soll);
        QCOMPARE(firmenprofilLaden(anna).firma, std::string("Zevuz GmbH"));
        QCOMPARE(firmenprofilLaden(anna).ort, std::string("Düsseldorf"));
    }

    // The folder goes while the window runs: the band says so, the window works on with the
    // copy here, and what changed meanwhile reaches the folder when it is back.
    void OrdnerWegUndZurueck() {
        test::Testfenster t;
        t.zeigen();
        teamordnerSetzen(t, "Zevuz");
        t.fenster->teamordnerAbgleichen();
        QCOMPARE(profilIn(ordner).firma, std::string("Zevuz"));

        QVERIFY(QDir(ordner).removeRecursively());
        teamordnerSetzen(t, "Zevuz GmbH");
        t.fenster->teamordnerAbgleichen();
        QVERIFY2(teamhinweis(t).contains("ist nicht erreichbar"), qPrintable(teamhinweis(t)));
        QVERIFY(t.element<QTimer>(QStringLiteral("teamwiederholung"))->isActive());
        QCOMPARE(firmenprofilLaden(*t.plattform).firma, std::string("Zevuz GmbH"));

        QVERIFY(QDir().mkpath(ordner));
        t.klicken(QStringLiteral("cmdHinweisAktion"));
        QCOMPARE(profilIn(ordner).firma, std::string("Zevuz GmbH"));
        QCOMPARE(teamhinweis(t), QString());
        QVERIFY(!t.element<QTimer>(QStringLiteral("teamwiederholung"))->isActive());
    }

    // A link in the folder in place of a shared file is refused; the file it names stays.
    void KeineVerknuepfungImOrdner() {
        FakePlattform anna;
        const QString fremd = wurzel.filePath("fremd.json");
        QVERIFY(dateischicht::ersetzen(fremd, Dateiart::Dokument, "{}", nullptr));
        QVERIFY(QFile::link(fremd, datei(ordner, textbausteindateiname)));
        ablegen(anna.datenordnerPfad, Textbausteine{baustein("x", "Text")});
        const Teamabgleich abgleich = teamordnerAbgleichen(anna, ordner);
        QCOMPARE(abgleich.ergebnis, Teamabgleich::Ergebnis::Gescheitert);
        QVERIFY2(abgleich.fehler.contains("symbolische Verknüpfung"), qPrintable(abgleich.fehler));
        QCOMPARE(dateischicht::lesen(fremd, Dateiart::Dokument, 100), QByteArray("{}"));
    }

    // Without a team folder nothing is locked, written or said, and the profile names none.
    void OhneOrdnerAllesWieBisher() {
        test::Testfenster t;
        t.zeigen();
        ablegen(t.plattform->datenordnerPfad, Firmenprofil{"Zevuz", {}, {}, {}, {}, {}});
        const QStringList vorher = QDir(t.plattform->datenordnerPfad).entryList(QDir::AllEntries);
        t.fenster->teamordnerAbgleichen();
        QCOMPARE(QDir(t.plattform->datenordnerPfad).entryList(QDir::AllEntries), vorher);
        QVERIFY(t.plattform->teamzugriffe.isEmpty() && t.hinweise().isEmpty());
        QVERIFY(!firmenprofilSchreiben({}).contains("teamordner"));
    }
};

QTEST_MAIN(TeamordnerTest)
#include "teamordner_test.moc"
