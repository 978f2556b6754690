#include "platform/qtplattform.h"

#include "platform/dateischicht.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
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

} // namespace

bool QtPlattform::oeffnen(const QString& adresse) {
    const QUrl url = QDir::isAbsolutePath(adresse) ? QUrl::fromLocalFile(adresse)
                                                   : QUrl(adresse, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
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

bool QtPlattform::programmStarten(const QString& pfad) {
    return QProcess::startDetached(pfad, {});
}

void QtPlattform::meldung(QWidget* besitzer, const QString& titel, const QString& text,
                          Meldungssymbol symbol) {
    QMessageBox box(symbolFuer(symbol), titel, text, QMessageBox::Ok, besitzer);
    box.exec();
}

void QtPlattform::protokoll(const QString& text) {
    std::fprintf(stderr, "velmora: %s\n", text.toUtf8().constData());
}

QString QtPlattform::programmordner() const {
    return QCoreApplication::applicationDirPath();
}

QString QtPlattform::datenordner() {
    return datenordnerFuer(programmordner());
}

QString QtPlattform::dokumentenordner() {
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dateischicht::ordnerSichern(dokumente) ? dokumente : QDir::homePath();
}

std::optional<QByteArray> QtPlattform::dateiLesen(const QString& pfad, qint64 hoechstens) {
    return dateischicht::lesen(pfad, hoechstens);
}

bool QtPlattform::dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) {
    return dateischicht::ersetzen(pfad, inhalt, fehler);
}

Neuanlage QtPlattform::dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt,
                                       QString* fehler) {
    return dateischicht::neuAnlegen(pfad, inhalt, fehler);
}

bool QtPlattform::dateiVorhanden(const QString& pfad) {
    return dateischicht::vorhanden(pfad);
}

bool QtPlattform::dateiLoeschen(const QString& pfad) {
    return dateischicht::loeschen(pfad);
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
