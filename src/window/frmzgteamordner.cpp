// The team folder the company profile names: the profile, its logo and the text blocks shared
// with the other clerks, the band saying when the folder cannot be used.
#include "render/briefkopf.h"
#include "teamordner/teamabgleich.h"
#include "ui/hinweisband.h"
#include "window/bausteinablage.h"
#include "window/frmzg.h"

#include <QLocale>
#include <QTimer>

namespace velmora {

namespace {

constexpr int wiederholungMs = 30 * 1000;

// "21:53 Uhr", or with its date when it was not today.
QString zeitpunkt(const QDateTime& seit) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const QString uhrzeit =
        deutsch.toString(seit.time(), QStringLiteral("HH:mm")) + QStringLiteral(" Uhr");
    return seit.date() == QDate::currentDate()
               ? uhrzeit
               : deutsch.toString(seit.date(), QStringLiteral("dd.MM.yyyy, ")) + uhrzeit;
}

QString inhaberText(const Sperrvermerk& inhaber) {
    if (inhaber.benutzer.isEmpty()) {
        return QStringLiteral("von einem anderen Arbeitsplatz aus");
    }
    QString text = QStringLiteral("von %1").arg(inhaber.benutzer);
    if (!inhaber.rechner.isEmpty()) {
        text += QStringLiteral(" auf %1").arg(inhaber.rechner);
    }
    if (inhaber.seit.isValid()) {
        text += QStringLiteral(" (seit %1)").arg(zeitpunkt(inhaber.seit));
    }
    return text;
}

QString teamhinweisText(const QString& ordner, const Teamabgleich& abgleich) {
    if (abgleich.ergebnis == Teamabgleich::Ergebnis::Besetzt) {
        return QStringLiteral("Firmenprofil und Textbausteine im gemeinsamen Ordner „%1“ werden "
                              "gerade %2 bearbeitet. Ihre Änderungen bleiben vorerst auf diesem "
                              "Rechner gespeichert und werden übertragen, sobald der Ordner "
                              "frei ist.")
            .arg(ordner, inhaberText(abgleich.inhaber));
    }
    if (abgleich.ergebnis == Teamabgleich::Ergebnis::HierGescheitert) {
        return QStringLiteral("Firmenprofil und Textbausteine lassen sich auf diesem Rechner "
                              "nicht lesen oder speichern: %2 Der Abgleich mit dem gemeinsamen "
                              "Ordner „%1“ wird wiederholt, sobald das behoben ist.")
            .arg(ordner, abgleich.fehler);
    }
    return QStringLiteral("Der gemeinsame Ordner „%1“ ist nicht erreichbar: %2 Das Programm "
                          "arbeitet mit den Kopien auf diesem Rechner weiter und überträgt Ihre "
                          "Änderungen, sobald der Ordner wieder erreichbar ist.")
        .arg(ordner, abgleich.fehler);
}

} // namespace

void frmzg::teamordnerEintragen() {
    // The store says so before it writes: the sync follows once the block is in the file.
    connect(bausteinablage, &Bausteinablage::geaendert, this, &frmzg::teamordnerAbgleichen,
            Qt::QueuedConnection);
}

void frmzg::teamordnerAbgleichen() {
    const QString ordner = QString::fromStdString(firmenprofilLaden(plattform).teamordner);
    if (!teamhinweis.isEmpty()) {
        hinweisband->zuruecknehmen(std::exchange(teamhinweis, {}));
    }
    const Teamabgleich abgleich =
        ordner.isEmpty() ? Teamabgleich() : velmora::teamordnerAbgleichen(plattform, ordner);
    if (abgleich.bausteineNeu) {
        bausteinablage->neuLesen();
    }
    if (abgleich.profilNeu) {
        // The next document and the open preview show the team's letterhead.
        grundlage.reset();
        emit inhaltGesetzt();
    }
    if (abgleich.ergebnis == Teamabgleich::Ergebnis::Abgeglichen) {
        if (teamwiederholung) {
            teamwiederholung->stop();
        }
        return;
    }
    if (!teamwiederholung) {
        teamwiederholung = new QTimer(this);
        teamwiederholung->setObjectName(QStringLiteral("teamwiederholung"));
        teamwiederholung->setInterval(wiederholungMs);
        connect(teamwiederholung, &QTimer::timeout, this, &frmzg::teamordnerAbgleichen);
    }
    teamwiederholung->start();
    teamhinweis = teamhinweisText(ordner, abgleich);
    hinweisband->hinweisen(teamhinweis, QStringLiteral("Erneut versuchen"),
                           [this] { teamordnerAbgleichen(); });
}

} // namespace velmora
