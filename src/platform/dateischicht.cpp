#include "platform/dateischicht.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora::dateischicht {

namespace {

void fehlerMelden(QString* fehler, const QString& grund) {
    if (fehler) {
        *fehler = grund;
    }
}

} // namespace

std::optional<QByteArray> lesen(const QString& pfad, qint64 hoechstens) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray inhalt = datei.read(hoechstens);
    if (datei.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return inhalt;
}

bool ersetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        fehlerMelden(fehler, datei.errorString());
        return false;
    }
    // commit() does not notice a failed flush of the write buffer, so flush first.
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        fehlerMelden(fehler, datei.errorString());
        datei.cancelWriting();
        return false;
    }
    if (!datei.commit()) {
        fehlerMelden(fehler, datei.errorString());
        return false;
    }
    return true;
}

Neuanlage neuAnlegen(const QString& pfad, const QByteArray& inhalt, QString* fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        // A link counts as taken even when it points nowhere.
        const QFileInfo eintrag(pfad);
        if (eintrag.exists() || eintrag.isSymLink()) {
            return Neuanlage::Vorhanden;
        }
        fehlerMelden(fehler, datei.errorString());
        return Neuanlage::Fehler;
    }
    // A half-written new file is worth nothing: it goes again.
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        fehlerMelden(fehler, datei.errorString());
        datei.close();
        datei.remove();
        return Neuanlage::Fehler;
    }
    return Neuanlage::Angelegt;
}

bool vorhanden(const QString& pfad) {
    const QFileInfo info(pfad);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool loeschen(const QString& pfad) {
    return QFile::remove(pfad);
}

bool ordnerSichern(const QString& pfad) {
    return !pfad.isEmpty() && QDir().mkpath(pfad);
}

} // namespace velmora::dateischicht
