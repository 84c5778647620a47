// The closing pause on POSIX systems: one key from the controlling terminal.
//
// The terminal is in raw mode only while the program waits, and its saved mode
// is put back on every way out: after the key, and before a signal ends or
// stops the program. As in the small password readers, the handler only
// records the signal; the waiting code puts back the mode and the dispositions
// it found, then sends the signal again. So a signal ignored at start stays
// ignored, a terminating one still ends the program by that signal, and a stop
// (SIGTSTP) leaves the terminal as it was until SIGCONT, when the wait goes on.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "console/key_wait.hpp"

namespace console {
namespace {

// How long the rest of a key (an escape sequence or a UTF-8 character) may
// take to follow its first byte. A lone Esc ends the wait after this.
constexpr long FOLLOWING_BYTE_WAIT_NS = 150'000'000;
// Longest escape sequence read to its end; anything longer is cut off there.
constexpr int LONGEST_SEQUENCE = 32;
constexpr unsigned char ESC = 0x1b;
constexpr int NO_BYTE = -1;

// The signals that would end or stop the program while the terminal is raw.
// SIGTTIN and SIGTTOU keep their usual course: they stop a background job
// before it reads the terminal or changes its mode.
constexpr std::array WATCHED_SIGNALS = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGTSTP};

int terminalFd = -1;
termios savedMode{};
std::array<struct sigaction, WATCHED_SIGNALS.size()> dispositionsFound{};
sigset_t watched{};    // those of WATCHED_SIGNALS not ignored at start
sigset_t maskFound{};  // the signal mask as found, in force only inside ppoll
std::array<volatile std::sig_atomic_t, WATCHED_SIGNALS.size()> arrived{};

extern "C" void recordSignal(int signalNumber) {
    for (std::size_t i = 0; i < WATCHED_SIGNALS.size(); ++i) {
        if (WATCHED_SIGNALS[i] == signalNumber) {
            arrived[i] = 1;
        }
    }
}

bool signalArrived() {
    return std::ranges::any_of(arrived, [](std::sig_atomic_t flag) { return flag != 0; });
}

// Records each watched signal that is not ignored. They are held back except
// while the wait sleeps in ppoll, so none slips in between a check and a read.
void watchSignals() {
    sigemptyset(&watched);
    for (std::size_t i = 0; i < WATCHED_SIGNALS.size(); ++i) {
        sigaction(WATCHED_SIGNALS[i], nullptr, &dispositionsFound[i]);
        if (dispositionsFound[i].sa_handler != SIG_IGN) {
            sigaddset(&watched, WATCHED_SIGNALS[i]);
        }
    }
    sigprocmask(SIG_BLOCK, &watched, &maskFound);
    struct sigaction record {};
    record.sa_handler = recordSignal;
    sigemptyset(&record.sa_mask);
    for (const int signalNumber : WATCHED_SIGNALS) {
        if (sigismember(&watched, signalNumber) == 1) {
            sigaction(signalNumber, &record, nullptr);
        }
    }
}

// Puts back the dispositions and the mask as found. A signal still pending
// then takes its own course, now that the terminal is restored.
void unwatchSignals() {
    for (std::size_t i = 0; i < WATCHED_SIGNALS.size(); ++i) {
        if (sigismember(&watched, WATCHED_SIGNALS[i]) == 1) {
            sigaction(WATCHED_SIGNALS[i], &dispositionsFound[i], nullptr);
        }
    }
    sigprocmask(SIG_SETMASK, &maskFound, nullptr);
}

// Sends each recorded signal again, to take the course it was found with.
// Returns whether there was one, and so whether the program is back from a
// stop (or from a handler of its caller's) and should wait on.
bool resendArrivedSignals() {
    bool resent = false;
    for (std::size_t i = 0; i < WATCHED_SIGNALS.size(); ++i) {
        if (arrived[i] != 0) {
            arrived[i] = 0;
            resent = true;
            static_cast<void>(raise(WATCHED_SIGNALS[i]));
        }
    }
    return resent;
}

// No line editing, no echo, no signal keys, no flow control, one byte at a
// time. Keys already typed stay queued: the switch does not flush input.
bool enableRawMode() {
    if (tcgetattr(terminalFd, &savedMode) != 0) {
        return false;
    }
    termios raw = savedMode;
    raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    return tcsetattr(terminalFd, TCSANOW, &raw) == 0;
}

void disableRawMode() {
    tcsetattr(terminalFd, TCSANOW, &savedMode);
}

// One byte, waiting for it at most `limit` (without end when null); NO_BYTE
// when none comes, reading fails, or a watched signal arrives first.
int readByte(const timespec* limit) {
    pollfd ready{terminalFd, POLLIN, 0};
    for (;;) {
        if (signalArrived()) {
            return NO_BYTE;
        }
        const int result = ppoll(&ready, 1, limit, &maskFound);
        if (result == 0) {
            return NO_BYTE;
        }
        if (result > 0) {
            break;
        }
        if (errno != EINTR) {
            return NO_BYTE;
        }
    }
    unsigned char byte = 0;
    return read(terminalFd, &byte, 1) == 1 ? byte : NO_BYTE;
}

// The next byte of a key already begun, or NO_BYTE if none follows soon.
int readFollowingByte() {
    constexpr timespec soon{0, FOLLOWING_BYTE_WAIT_NS};
    return readByte(&soon);
}

constexpr bool isContinuationByte(int byte) {
    return (byte & 0xC0) == 0x80;
}

// The rest of a UTF-8 character whose first byte is `lead`.
void readRestOfCharacter(int lead) {
    int remaining = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        remaining = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        remaining = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        remaining = 3;
    }
    for (; remaining > 0; --remaining) {
        if (!isContinuationByte(readFollowingByte())) {
            return;
        }
    }
}

// A CSI sequence after its ESC [: parameter and intermediate bytes, then one
// final byte, as in ESC [ 1 ; 5 A.
void readRestOfCsiSequence() {
    int byte = readFollowingByte();
    if (byte == '[') {  // the Linux console's F1 to F5: ESC [ [ A
        readFollowingByte();
        return;
    }
    for (int length = 0; byte >= 0x20 && byte <= 0x3F && length < LONGEST_SEQUENCE; ++length) {
        byte = readFollowingByte();
    }
}

// An SS3 sequence after its ESC O: modifier digits, then one final byte, as in
// ESC O P or ESC O 1 ; 2 P.
void readRestOfSs3Sequence() {
    int byte = readFollowingByte();
    for (int length = 0; byte >= 0x30 && byte <= 0x3F && length < LONGEST_SEQUENCE; ++length) {
        byte = readFollowingByte();
    }
}

// What follows an Esc: a sequence, an Alt combination, or nothing (a lone Esc).
void readRestOfEscape(bool afterAlt) {
    const int byte = readFollowingByte();
    if (byte == '[') {
        readRestOfCsiSequence();
    } else if (byte == 'O') {
        readRestOfSs3Sequence();
    } else if (byte == ESC && !afterAlt) {  // Alt with a key that sends its own Esc
        readRestOfEscape(true);
    } else if (byte != NO_BYTE) {
        readRestOfCharacter(byte);
    }
}

// Reads one whole key, so that no piece of it is left for the shell.
void readOneKey() {
    const int first = readByte(nullptr);
    if (first == ESC) {
        readRestOfEscape(false);
    } else if (first != NO_BYTE) {
        readRestOfCharacter(first);
    }
}

// Whether what the program writes can reach a screen: a terminal, or a pipe
// or socket to a program (a pager, tee) that shows it. A file, /dev/null or a
// closed standard output shows nothing.
bool standardOutputMayBeSeen() {
    struct stat status {};
    if (fstat(STDOUT_FILENO, &status) != 0) {
        return false;
    }
    return S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode) || isatty(STDOUT_FILENO) == 1;
}

void showOnTerminal(std::string_view line) {
    std::array<iovec, 2> pieces{iovec{const_cast<char*>(line.data()), line.size()},
                                iovec{const_cast<char*>("\n"), 1}};
    static_cast<void>(writev(terminalFd, pieces.data(), static_cast<int>(pieces.size())));
}

}  // namespace

void waitForKeyPress(std::string_view closingMessage) {
    terminalFd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminalFd < 0) {
        return;
    }
    if (!standardOutputMayBeSeen()) {
        showOnTerminal(closingMessage);
    }
    // A key or a failed read ends the wait; after a stop it goes on.
    do {
        watchSignals();
        if (enableRawMode()) {
            readOneKey();
            disableRawMode();
        }
        unwatchSignals();
    } while (resendArrivedSignals());
    close(terminalFd);
    terminalFd = -1;
}

}  // namespace console
