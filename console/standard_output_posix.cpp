#include <sys/select.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "console/standard_output.hpp"

namespace console {
namespace {

// Waits until standard output has room, or fails.
bool waitForRoom() {
    for (;;) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(STDOUT_FILENO, &ready);
        if (select(STDOUT_FILENO + 1, nullptr, &ready, nullptr, nullptr) >= 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

void ignoreWriteErrors() {
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
    static_cast<void>(std::signal(SIGXFSZ, SIG_IGN));
}

bool writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written > 0) {
            data += written;
            size -= static_cast<std::size_t>(written);
            continue;
        }
        const bool full = written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        const bool goOn = written < 0 && (errno == EINTR || (full && waitForRoom()));
        if (!goOn) {
            return false;
        }
    }
    return true;
}

}  // namespace console
