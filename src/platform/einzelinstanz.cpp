#include "platform/einzelinstanz.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace velmora {

namespace {

constexpr char bestaetigung = '\1';

// How long a later start tries to reach the first: long enough for one that is still starting
// and listens only once its window is painted.
constexpr int wartezeitMs = 2000;
constexpr int versuchsabstandMs = 100;

// In the user's own runtime folder, named after the data folder's canonical path, so that
// every way of naming the folder meets the same program.
QString dienstnameFuer(const QString& datenordner) {
    const QByteArray kanonisch = QFileInfo(datenordner).canonicalFilePath().toUtf8();
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/velmora-") +
           QString::fromLatin1(
               QCryptographicHash::hash(kanonisch, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

Einzelinstanz::Einzelinstanz(const QString& datenordner, QObject* eltern)
    : QObject(eltern), datenordner(datenordner), dienstname(dienstnameFuer(datenordner)) {}

Einzelinstanz::Anmeldung Einzelinstanz::anmelden(const QStringList& argumente) {
    using Art = Anmeldung::Art;
    if (datenordner.isEmpty()) {
        return {Art::Erste, {}};
    }
    // Never removed: a lock file deleted while another start opens it would let two hold it.
    const QString sperrdatei = QDir(datenordner).filePath(QStringLiteral(".velmora.lock"));
    const QDeadlineTimer frist(wartezeitMs);
    do {
        QString fehler;
        switch (dateischicht::sperren(sperrdatei, sperre, &fehler)) {
        case dateischicht::Sperre::Genommen:
            return {Art::Erste, {}};
        case dateischicht::Sperre::Verstellt:
            // A program started before the entry came would still answer.
            if (weiterreichen(argumente)) {
                return {Art::Weitergereicht, {}};
            }
            return {Art::Verstellt,
                    QStringLiteral("Velmora startet nicht, weil sich die Sperre „%1“ nicht "
                                   "einrichten lässt; sie verhindert, dass zwei Fenster "
                                   "dieselben Angaben überschreiben. %2")
                        .arg(sperrdatei, fehler)};
        case dateischicht::Sperre::Fehler:
            // A lock that cannot be had must not cost the user the start.
            return {Art::Ungeschuetzt,
                    QStringLiteral("Die Sperre „%1“ ließ sich nicht einrichten; ein zweiter Start "
                                   "mit demselben Datenordner wird nicht verhindert. %2")
                        .arg(sperrdatei, fehler)};
        case dateischicht::Sperre::Besetzt:
            break;
        }
        if (weiterreichen(argumente)) {
            return {Art::Weitergereicht, {}};
        }
        QThread::msleep(versuchsabstandMs);
    } while (!frist.hasExpired());
    return {Art::KeineAntwort,
            QStringLiteral("Velmora läuft bereits mit dem Datenordner „%1“, antwortet aber nicht. "
                           "Bitte beenden Sie das laufende Programm und starten Sie es erneut.")
                .arg(QDir::toNativeSeparators(datenordner))};
}

void Einzelinstanz::dienstStarten() {
    if (dienst || sperre.fd < 0) {
        return;
    }
    dienst = new QLocalServer(this);
    dienst->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket of that name was left by a run that crashed.
    QLocalServer::removeServer(dienstname);
    dienst->listen(dienstname);
    connect(dienst, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* anfrage = dienst->nextPendingConnection()) {
            connect(anfrage, &QLocalSocket::disconnected, anfrage, &QObject::deleteLater);
            connect(anfrage, &QLocalSocket::readyRead, this, [this, anfrage] {
                QDataStream daten(anfrage);
                daten.startTransaction();
                QStringList argumente;
                QString arbeitsordner;
                daten >> argumente >> arbeitsordner;
                if (!daten.commitTransaction()) {
                    return; // the rest is still on its way
                }
                anfrage->write(&bestaetigung, 1);
                anfrage->disconnectFromServer();
                // Handled once this signal has returned: a dialog the request opens runs an
                // event loop of its own, which would delete the socket under this handler.
                QMetaObject::invokeMethod(
                    this,
                    [this, argumente, arbeitsordner] {
                        emit weitererStart(argumente, arbeitsordner);
                    },
                    Qt::QueuedConnection);
            });
        }
    });
}

bool Einzelinstanz::weiterreichen(const QStringList& argumente) {
    QLocalSocket verbindung;
    verbindung.connectToServer(dienstname);
    if (!verbindung.waitForConnected(versuchsabstandMs)) {
        return false;
    }
    QByteArray nachricht;
    QDataStream strom(&nachricht, QIODevice::WriteOnly);
    strom << argumente << QDir::currentPath();
    verbindung.write(nachricht);
    char antwort = 0;
    return verbindung.waitForReadyRead(wartezeitMs) && verbindung.read(&antwort, 1) == 1 &&
           antwort == bestaetigung;
}

} // namespace velmora
