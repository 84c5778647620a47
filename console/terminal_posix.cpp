#include "console/terminal_posix.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "console/terminal.hpp"

namespace console {
namespace {

// Moves `opened` above the standard descriptors, so that it never takes the
// place of a closed standard stream.
int aboveStandardStreams(int opened) {
    if (opened < 0 || opened > STDERR_FILENO) {
        return opened;
    }
    const int moved = fcntl(opened, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    close(opened);
    return moved;
}

// Whether writing to `fd` puts text on the user's terminal: it was opened for
// writing, and it is the controlling terminal itself or, when there is none,
// the terminal the answers come from. A terminal has a foreground process
// group to tell only to the processes it controls. (Its session would say
// as much, but qemu-user's emulation answers 0 for every terminal's.)
bool showsOnUsersTerminal(int fd) {
    if (isatty(fd) != 1 || (fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDONLY) {
        return false;
    }
    if (tcgetpgrp(fd) != -1) {
        return true;
    }
    const int controlling = openTerminal(O_RDONLY);
    if (controlling >= 0) {
        close(controlling);
        return false;
    }
    struct stat output {};
    struct stat input {};
    return isatty(STDIN_FILENO) == 1 && fstat(fd, &output) == 0 &&
           fstat(STDIN_FILENO, &input) == 0 && output.st_rdev == input.st_rdev;
}

// The terminal the user sits at: the controlling terminal, or, without one,
// the terminal standard input is on. Never made the controlling terminal.
int openUsersTerminal(int access) {
    const int terminal = openTerminal(access);
    if (terminal >= 0 || isatty(STDIN_FILENO) != 1) {
        return terminal;
    }
    const char* name = ttyname(STDIN_FILENO);
    return name == nullptr ? -1 : aboveStandardStreams(open(name, access | O_NOCTTY | O_CLOEXEC));
}

}  // namespace

int openTerminal(int access) {
    return aboveStandardStreams(open("/dev/tty", access | O_NOCTTY | O_CLOEXEC));
}

OutputReach standardOutputReach() {
    struct stat status {};
    if (fstat(STDOUT_FILENO, &status) != 0) {
        return OutputReach::Nowhere;
    }
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
        return OutputReach::Pipe;
    }
    return showsOnUsersTerminal(STDOUT_FILENO) ? OutputReach::Screen : OutputReach::Nowhere;
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
    const int terminal = openUsersTerminal(O_WRONLY);
    if (terminal >= 0) {
        writeAll(terminal, text);
        close(terminal);
    }
}

}  // namespace console
