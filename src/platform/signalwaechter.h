#pragma once

#include <QObject>

#include <array>

class QSocketNotifier;

namespace velmora {

// Turns the ends the system asks for into one Qt signal, delivered through the event loop:
// SIGTERM (a logout, a shutdown), SIGHUP (a lost terminal), SIGINT (Ctrl+C) and the desktop
// session's end. The signal handler only writes the signal's number into a socket; all the
// work happens afterwards in the event loop. One at a time; its end restores the handlers
// that were there before.
class Signalwaechter : public QObject {
    Q_OBJECT
public:
    explicit Signalwaechter(QObject* eltern = nullptr);
    ~Signalwaechter() override;

signals:
    // The program is to save as a close does, ask nothing and end.
    void endeVerlangt();

private:
    // [0] is read in the event loop, [1] written by the handler.
    std::array<int, 2> paar{-1, -1};
    QSocketNotifier* melder = nullptr;
};

} // namespace velmora
