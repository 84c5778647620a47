#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "console/standard_streams.hpp"

namespace console {
namespace {

// Whether standard input is a terminal set to return at once with nothing
// (no line editing, MIN 0): there, reading nothing is not the end.
bool returnsEmptyWhileNothingIsTyped() {
    termios mode{};
    return tcgetattr(STDIN_FILENO, &mode) == 0 && (mode.c_lflag & ICANON) == 0 &&
           mode.c_cc[VMIN] == 0;
}

// Waits until `fd` can be read (or has ended), or written. Through select,
// which works on terminals on every system.
bool waitUntilReady(int fd, bool forWriting) {
    for (;;) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(fd, &ready);
        if (select(fd + 1, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, nullptr,
                   nullptr) >= 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

bool nothingYet(ssize_t count) {
    return count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
}

}  // namespace

std::size_t readStandardInput(char* data, std::size_t size) {
    // Nothing read just after the wait said there was something is the end.
    bool waited = false;
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, data, size);
        if (count > 0) {
            return static_cast<std::size_t>(count);
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        // A non-blocking descriptor with nothing in it yet, or a terminal
        // that returns at once: wait, then read again. Anything else ends it.
        const bool waitAndRetry =
            count < 0 ? nothingYet(count) : !waited && returnsEmptyWhileNothingIsTyped();
        if (!waitAndRetry || !waitUntilReady(STDIN_FILENO, false)) {
            return 0;
        }
        waited = true;
    }
}

void ignoreWriteErrors() {
    // A reader that closed the pipe, a file at its size limit.
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
        const bool goOn =
            written < 0 &&
            (errno == EINTR || (nothingYet(written) && waitUntilReady(STDOUT_FILENO, true)));
        if (!goOn) {
            return false;
        }
    }
    return true;
}

}  // namespace console
