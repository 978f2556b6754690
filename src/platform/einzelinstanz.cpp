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

// How long a later start tries to reach the first: long enough for one that is still starting.
constexpr int wartezeitMs = 3000;
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
            dienstStarten();
            return {Art::Erste, {}};
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
                emit weitererStart(argumente, arbeitsordner);
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
