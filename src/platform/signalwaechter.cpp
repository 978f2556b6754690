#include "platform/signalwaechter.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr std::array<int, 3> endsignale = {SIGTERM, SIGHUP, SIGINT};

// Written before a handler is installed and read only inside one.
volatile sig_atomic_t schreibende = -1;

std::array<struct sigaction, endsignale.size()> vorherigeHandler{};

// Async-signal-safe: one write to a non-blocking socket, errno left as it was.
void signalEmpfangen(int nummer) {
    const int gesichert = errno;
    const char byte = static_cast<char>(nummer);
    [[maybe_unused]] const ssize_t geschrieben = ::write(schreibende, &byte, 1);
    errno = gesichert;
}

} // namespace

Signalwaechter::Signalwaechter(QObject* eltern) : QObject(eltern) {
    Q_ASSERT(schreibende == -1);
    // Without a socket pair (no file descriptor left) the signals keep ending the program at
    // once, as they would without this class.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, paar.data()) != 0) {
        return;
    }
    schreibende = paar[1];
    melder = new QSocketNotifier(paar[0], QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, [this] {
        std::array<char, 16> puffer{};
        while (::read(paar[0], puffer.data(), puffer.size()) > 0) {
        }
        emit endeVerlangt();
    });

    struct sigaction handler {};
    handler.sa_handler = signalEmpfangen;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < endsignale.size(); ++i) {
        ::sigaction(endsignale[i], &handler, &vorherigeHandler[i]);
    }

    if (auto* anwendung = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(anwendung, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { emit endeVerlangt(); });
    }
}

Signalwaechter::~Signalwaechter() {
    if (schreibende == -1) {
        return;
    }
    for (std::size_t i = 0; i < endsignale.size(); ++i) {
        ::sigaction(endsignale[i], &vorherigeHandler[i], nullptr);
    }
    schreibende = -1;
    delete melder;
    ::close(paar[0]);
    ::close(paar[1]);
}

} // namespace velmora
