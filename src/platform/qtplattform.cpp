#include "platform/qtplattform.h"

#include "platform/dateischicht.h"
#include "platform/listendialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace velmora {

namespace {

QMessageBox::Icon symbolFuer(Meldungssymbol symbol) {
    switch (symbol) {
    case Meldungssymbol::Ausruf:
        return QMessageBox::Warning;
    case Meldungssymbol::Information:
        return QMessageBox::Information;
    case Meldungssymbol::Kritisch:
        return QMessageBox::Critical;
    case Meldungssymbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

// Only a file really created there proves a folder writable: access bits say nothing about
// read-only mounts, and nothing at all for root.
bool beschreibbar(const QString& ordner) {
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral(".velmora-probe-XXXXXX")));
    return probe.open();
}

// A printer asked for only now: setting one up asks the print system for its printers.
// The document sets its own margins on the whole sheet.
void einrichten(QPrinter& drucker, const Druckauftrag& auftrag) {
    drucker.setDocName(auftrag.titel);
    drucker.setPageLayout(auftrag.papier);
    drucker.setFullPage(true);
}

} // namespace

Umgebung desktopUmgebung() {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::findExecutable(QStringLiteral("xdg-open"))};
}

QtPlattform::QtPlattform(Umgebung umgebung) : umgebung(std::move(umgebung)) {}

bool QtPlattform::oeffnen(const QString& adresse) {
    const QUrl url = QDir::isAbsolutePath(adresse) ? QUrl::fromLocalFile(adresse)
                                                   : QUrl(adresse, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

// Qt's desktop services answer true on X11 as soon as xdg-open has started, even when nothing
// opens; the opener's own exit status is the real answer.
void QtPlattform::dokumentOeffnen(const QString& pfad, QObject* kontext,
                                  std::function<void(bool geoeffnet)> fertig) {
    if (umgebung.oeffner.isEmpty()) {
        const bool geoeffnet = QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
        QTimer::singleShot(0, kontext, [fertig, geoeffnet] { fertig(geoeffnet); });
        return;
    }
    // Without a parent: an opener still running when the program ends is left to finish.
    auto* oeffner = new QProcess;
    oeffner->setStandardInputFile(QProcess::nullDevice());
    oeffner->setStandardOutputFile(QProcess::nullDevice());
    oeffner->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto beendet = [oeffner, empfaenger = QPointer<QObject>(kontext),
                          fertig](bool geoeffnet) {
        if (empfaenger) {
            fertig(geoeffnet);
        }
        oeffner->deleteLater();
    };
    QObject::connect(oeffner, &QProcess::finished, oeffner,
                     [beendet](int status, QProcess::ExitStatus art) {
                         beendet(art == QProcess::NormalExit && status == 0);
                     });
    QObject::connect(oeffner, &QProcess::errorOccurred, oeffner,
                     [beendet](QProcess::ProcessError fehler) {
                         if (fehler == QProcess::FailedToStart) {
                             beendet(false);
                         }
                     });
    oeffner->start(umgebung.oeffner, {pfad});
}

bool QtPlattform::zwischenablageSetzen(const QString& text) {
    QClipboard* ablage = QGuiApplication::clipboard();
    if (!ablage) {
        return false;
    }
    ablage->clear();
    auto* daten = new QMimeData;
    daten->setText(text); // text/plain and nothing else
    ablage->setMimeData(daten);
    // The clipboard reports no failure of its own; reading it back is the only proof.
    const QMimeData* jetzt = ablage->mimeData();
    return jetzt && jetzt->text() == text;
}

QString QtPlattform::zwischenablageText() {
    const QClipboard* ablage = QGuiApplication::clipboard();
    return ablage ? ablage->text() : QString();
}

bool QtPlattform::programmStarten(const QString& pfad) {
    return QProcess::startDetached(pfad, {});
}

void QtPlattform::meldung(QWidget* besitzer, const QString& titel, const QString& text,
                          Meldungssymbol symbol) {
    QMessageBox box(symbolFuer(symbol), titel, text, QMessageBox::Ok, besitzer);
    box.exec();
}

int QtPlattform::frage(QWidget* besitzer, const QString& titel, const QString& text,
                       const QStringList& knoepfe) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, besitzer);
    QList<QAbstractButton*> angelegt;
    for (const QString& knopf : knoepfe) {
        angelegt.append(box.addButton(knopf, QMessageBox::AcceptRole));
    }
    if (!angelegt.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton*>(angelegt.first()));
    }
    box.exec();
    return static_cast<int>(angelegt.indexOf(box.clickedButton()));
}

Plattform::Listenwahl QtPlattform::listeZeigen(QWidget* besitzer, const QString& titel,
                                               const QString& text, const QStringList& eintraege,
                                               const QStringList& knoepfe) {
    return listendialog(besitzer, titel, text, eintraege, knoepfe);
}

std::optional<QString> QtPlattform::dateiZumOeffnen(QWidget* besitzer, const QString& titel,
                                                    const QString& ordner, const QString& filter) {
    const QString pfad = QFileDialog::getOpenFileName(besitzer, titel, ordner, filter);
    return pfad.isEmpty() ? std::nullopt : std::optional<QString>(pfad);
}

std::optional<QString> QtPlattform::dateiZumSpeichern(QWidget* besitzer, const QString& titel,
                                                      const QString& vorschlag,
                                                      const QString& filter) {
    const QString pfad = QFileDialog::getSaveFileName(besitzer, titel, vorschlag, filter);
    return pfad.isEmpty() ? std::nullopt : std::optional<QString>(pfad);
}

std::optional<QString> QtPlattform::ordnerZumWaehlen(QWidget* besitzer, const QString& titel,
                                                     const QString& ordner) {
    const QString pfad = QFileDialog::getExistingDirectory(besitzer, titel, ordner);
    return pfad.isEmpty() ? std::nullopt : std::optional<QString>(pfad);
}

Druck QtPlattform::drucken(QWidget* besitzer, const Druckauftrag& auftrag) {
    QPrinter drucker(QPrinter::HighResolution);
    einrichten(drucker, auftrag);
    QPrintDialog dialog(&drucker, besitzer);
    dialog.setMinMax(1, auftrag.seiten);
    if (dialog.exec() != QDialog::Accepted) {
        return Druck::Abgebrochen;
    }
    return auftrag.zeichnen(drucker) ? Druck::Gedruckt : Druck::Fehler;
}

void QtPlattform::druckvorschau(QWidget* besitzer, const Druckauftrag& auftrag) {
    QPrinter drucker(QPrinter::HighResolution);
    einrichten(drucker, auftrag);
    QPrintPreviewDialog vorschau(&drucker, besitzer);
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested,
                     [&auftrag](QPrinter* ziel) { auftrag.zeichnen(*ziel); });
    vorschau.exec();
}

void QtPlattform::protokoll(const QString& text) {
    std::fprintf(stderr, "velmora: %s\n", text.toUtf8().constData());
}

QString QtPlattform::programmordner() const {
    return umgebung.programmordner;
}

QString QtPlattform::datenordner() {
    if (!gewaehlterDatenordner) {
        gewaehlterDatenordner = datenordnerFuer(programmordner());
    }
    return *gewaehlterDatenordner;
}

QString QtPlattform::dokumentenordner() {
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dateischicht::ordnerSichern(dokumente) ? dokumente : QDir::homePath();
}

bool QtPlattform::ordnerAnlegen(const QString& pfad) {
    return dateischicht::ordnerSichern(pfad);
}

std::optional<QByteArray> QtPlattform::dateiLesen(const QString& pfad, Dateiart art,
                                                  qint64 hoechstens, QString* fehler) {
    return dateischicht::lesen(pfad, art, hoechstens, fehler);
}

bool QtPlattform::dateiErsetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                                QString* fehler) {
    return dateischicht::ersetzen(pfad, art, inhalt, fehler);
}

Neuanlage QtPlattform::dateiNeuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                                       QString* fehler) {
    return dateischicht::neuAnlegen(pfad, art, inhalt, fehler);
}

bool QtPlattform::dateiVorhanden(const QString& pfad, Dateiart art) {
    return dateischicht::vorhanden(pfad, art);
}

bool QtPlattform::dateiLoeschen(const QString& pfad, QString* fehler) {
    return dateischicht::loeschen(pfad, fehler);
}

Sperrversuch QtPlattform::teamordnerSperren(const QString& ordner) {
    return dateischicht::teamSperren(ordner, dateischicht::arbeitsplatz(), std::chrono::seconds(2));
}

QString datenordnerFuer(const QString& programmordner) {
    if (beschreibbar(programmordner)) {
        return programmordner;
    }
    // ~/.config/velmora whatever the application's name, and XDG_CONFIG_HOME honoured.
    const QString konfiguration =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/velmora");
    return dateischicht::ordnerSichern(konfiguration) ? konfiguration : QString();
}

} // namespace velmora
