#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "console/standard_input.hpp"

namespace console {
namespace {

// Whether standard input is a terminal set to return at once with nothing
// (no line editing, MIN 0): there, reading nothing is not the end.
bool returnsEmptyWhileNothingIsTyped() {
    termios mode{};
    return tcgetattr(STDIN_FILENO, &mode) == 0 && (mode.c_lflag & ICANON) == 0 &&
           mode.c_cc[VMIN] == 0;
}

// Waits until standard input has something to read, or has ended. Through
// select, which works on terminals on every system.
bool waitForInput() {
    for (;;) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(STDIN_FILENO, &ready);
        if (select(STDIN_FILENO + 1, &ready, nullptr, nullptr, nullptr) >= 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
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
        const bool nothingYet = count < 0 ? errno == EAGAIN || errno == EWOULDBLOCK
                                          : !waited && returnsEmptyWhileNothingIsTyped();
        if (!nothingYet || !waitForInput()) {
            return 0;
        }
        waited = true;
    }
}

}  // namespace console
