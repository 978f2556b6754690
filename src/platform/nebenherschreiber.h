#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace velmora {

// Writes files on a thread of its own, so that the window goes on while the disk syncs. A file
// handed in again before its write began is written once, with the newest bytes. What a write
// came to is told on the thread that made the writer, in the order of the writes.
class Nebenherschreiber {
public:
    // Writes one file whole or not at all; false with the reason in `fehler`.
    using Schreiben =
        std::function<bool(const QString& pfad, const QByteArray& inhalt, QString* fehler)>;
    // Nothing: written; else why not.
    using Fertig = std::function<void(const std::optional<QString>& fehler)>;

    explicit Nebenherschreiber(Schreiben schreiben);
    // Every write handed in is still made; what they came to is told no more.
    ~Nebenherschreiber();
    Nebenherschreiber(const Nebenherschreiber&) = delete;
    Nebenherschreiber& operator=(const Nebenherschreiber&) = delete;

    // `fertig` is called while `kontext` lives; for bytes replaced before their write began,
    // never.
    void ersetzen(const QString& pfad, const QByteArray& inhalt, QObject* kontext, Fertig fertig);
    // Returns once every write handed in is on the disk, having told what they came to.
    void abwarten();

private:
    struct Auftrag {
        QString pfad;
        QByteArray inhalt;
        QPointer<QObject> kontext;
        Fertig fertig;
    };
    struct Ergebnis {
        QPointer<QObject> kontext;
        Fertig fertig;
        std::optional<QString> fehler;
    };

    void arbeiten();
    void ausliefern();

    Schreiben schreiben;
    // Lives on the writer's own thread and receives the results there.
    QObject empfaenger;
    std::mutex sperre;
    std::condition_variable wecker;
    std::deque<Auftrag> warteschlange;
    std::deque<Ergebnis> erledigt;
    bool schreibt = false;
    bool ende = false;
    std::thread faden;
};

} // namespace velmora
