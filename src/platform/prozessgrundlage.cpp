#include "platform/prozessgrundlage.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velmora {

void prozessgrundlageLegen() {
    for (int kanal = STDIN_FILENO; kanal <= STDERR_FILENO; ++kanal) {
        // open() takes the lowest free number, which is this channel's.
        if (::fcntl(kanal, F_GETFD) == -1 && ::open("/dev/null", O_RDONLY) != kanal) {
            break;
        }
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace velmora
