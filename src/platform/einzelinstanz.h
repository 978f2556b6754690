#pragma once

#include "platform/dateischicht.h"

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace velmora {

// One running program per data folder. The first start holds a lock in the folder (which
// ends with its process, however that ends) and listens for later starts; a later start hands
// its command line to it and ends, so no two windows overwrite each other's entries.
class Einzelinstanz : public QObject {
    Q_OBJECT
public:
    struct Anmeldung {
        // Ungeschuetzt: the first, but the lock could not be taken, so nothing keeps a later
        // start out. KeineAntwort: another program holds the folder but does not answer.
        // Verstellt: an entry that is no file stands in the lock's place; the start is
        // refused, for nothing would tell a second window from the first.
        enum class Art { Erste, Ungeschuetzt, Weitergereicht, KeineAntwort, Verstellt } art;
        QString grund; // why not Erste, in German
    };

    explicit Einzelinstanz(const QString& datenordner, QObject* eltern = nullptr);

    // Takes the data folder for this process, or hands the arguments (and the folder they were
    // given in) to the process that has it. Without a data folder there is nothing to guard.
    Anmeldung anmelden(const QStringList& argumente);
    // Listens for later starts once the folder is taken; left for after the window's first
    // paint, since a later start waits for it anyway.
    void dienstStarten();

signals:
    // A later start on the same data folder asked for this; delivered from the event loop,
    // never inside the handler of the connection it came through.
    void weitererStart(const QStringList& argumente, const QString& arbeitsordner);

private:
    bool weiterreichen(const QStringList& argumente);

    QString datenordner;
    QString dienstname;
    dateischicht::Deskriptor sperre; // the lock file, locked while open
    QLocalServer* dienst = nullptr;
};

} // namespace velmora
