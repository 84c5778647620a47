#include "console/terminal_posix.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "console/terminal.hpp"

namespace console {

int openTerminal(int access) {
    const int opened = open("/dev/tty", access | O_NOCTTY | O_CLOEXEC);
    if (opened < 0 || opened > STDERR_FILENO) {
        return opened;
    }
    const int moved = fcntl(opened, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    close(opened);
    return moved;
}

OutputReach standardOutputReach() {
    struct stat status {};
    if (fstat(STDOUT_FILENO, &status) != 0) {
        return OutputReach::Nowhere;
    }
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
        return OutputReach::Pipe;
    }
    return isatty(STDOUT_FILENO) == 1 ? OutputReach::Screen : OutputReach::Nowhere;
}

bool answersAreTyped() {
    return isatty(STDIN_FILENO) == 1;
}

void writeAll(int fd, std::string_view text) {
    // What is not taken at once is written again; a failure, or a terminal
    // that hangs up, ends it.
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void showOnTerminal(std::string_view text) {
    const int terminal = openTerminal(O_WRONLY);
    if (terminal >= 0) {
        writeAll(terminal, text);
        close(terminal);
    }
}

}  // namespace console
