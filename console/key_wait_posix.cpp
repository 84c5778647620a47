// The closing pause on POSIX systems: one key from the controlling terminal.
//
// The terminal is raw only while the program waits in the foreground, and its
// mode is put back on every way out. As in the password readers, the handler
// only records a signal; the waiting code puts back the mode and the
// dispositions it found, then sends the signal again: an ignored signal stays
// ignored, a terminating one ends the program, a stop (SIGTSTP) leaves the
// terminal as it was until SIGCONT, when the wait goes on. Copies pausing on
// one terminal take turns, each holding a lock from before it saves the mode
// until after it has put it back.
#include <fcntl.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <ctime>
#include <string>

#include "console/key_classification.hpp"
#include "console/key_wait.hpp"
#include "console/terminal.hpp"
#include "console/terminal_posix.hpp"

namespace console {
namespace {

// How long the rest of a key (an escape sequence or a UTF-8 character) may
// take to follow its first byte. A lone Esc ends the wait after this.
constexpr long FOLLOWING_BYTE_WAIT_NS = 150'000'000;
constexpr int NO_BYTE = -1;

// The signals that would end the program, or stop it (SIGTSTP), while the
// terminal is raw: the password readers' list and every other signal sent by
// others whose default action ends a process. SIGPIPE and SIGXFSZ are ignored
// throughout, since a failed write is only a failed write; SIGTTIN and SIGTTOU
// keep their course, stopping a background job before it touches the terminal.
constexpr std::array NAMED_SIGNALS = {
    SIGHUP,    SIGINT,  SIGQUIT,   SIGTERM, SIGALRM, SIGUSR1,
    SIGUSR2,   SIGPROF, SIGVTALRM, SIGXCPU, SIGTSTP,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

// Above the number of every signal on the systems this runs on.
constexpr int SIGNAL_LIMIT = 129;

// Calls `visit` with each signal watched at the pause: the named ones and,
// where the system has them, the real-time signals.
template <typename Visit>
void forEachWatchedSignal(Visit visit) {
    for (const int signalNumber : NAMED_SIGNALS) {
        visit(signalNumber);
    }
#ifdef SIGRTMIN
    for (int signalNumber = SIGRTMIN; signalNumber <= SIGRTMAX && signalNumber < SIGNAL_LIMIT;
         ++signalNumber) {
        visit(signalNumber);
    }
#endif
}

constexpr std::size_t slot(int signalNumber) {
    return static_cast<std::size_t>(signalNumber);
}

// What the handler records: the only state shared with the waiting code.
std::array<volatile std::sig_atomic_t, SIGNAL_LIMIT> arrived{};
volatile std::sig_atomic_t anyArrived = 0;

extern "C" void recordSignal(int signalNumber) {
    if (signalNumber > 0 && signalNumber < SIGNAL_LIMIT) {
        arrived[slot(signalNumber)] = 1;
        anyArrived = 1;
    }
}

// The watched signals that were not ignored, and how each was found.
struct WatchedSignals {
    sigset_t set{};
    std::array<struct sigaction, SIGNAL_LIMIT> found{};
};

void watchSignals(WatchedSignals& signals) {
    sigemptyset(&signals.set);
    struct sigaction record {};
    record.sa_handler = recordSignal;
    sigemptyset(&record.sa_mask);
    forEachWatchedSignal([&](int signalNumber) {
        struct sigaction& found = signals.found[slot(signalNumber)];
        if (sigaction(signalNumber, nullptr, &found) == 0 && found.sa_handler != SIG_IGN) {
            sigaddset(&signals.set, signalNumber);
            sigaction(signalNumber, &record, nullptr);
        }
    });
}

// From now on, a signal takes the course it was found with.
void unwatchSignals(const WatchedSignals& signals) {
    forEachWatchedSignal([&](int signalNumber) {
        if (sigismember(&signals.set, signalNumber) == 1) {
            sigaction(signalNumber, &signals.found[slot(signalNumber)], nullptr);
        }
    });
}

// Sends each recorded signal again. Whether there was one, and so whether the
// program is back from a stop and should wait on.
bool resendArrivedSignals() {
    if (anyArrived == 0) {
        return false;
    }
    anyArrived = 0;
    forEachWatchedSignal([](int signalNumber) {
        if (arrived[slot(signalNumber)] != 0) {
            arrived[slot(signalNumber)] = 0;
            static_cast<void>(raise(signalNumber));
        }
    });
    return true;
}

// Whether the system stops this program when it touches the terminal from
// the background: SIGTTOU neither ignored nor held back.
bool stoppedFromTheBackground() {
    struct sigaction found {};
    sigset_t mask{};
    return sigaction(SIGTTOU, nullptr, &found) == 0 && found.sa_handler == SIG_DFL &&
           sigprocmask(SIG_BLOCK, nullptr, &mask) == 0 && sigismember(&mask, SIGTTOU) == 0;
}

// Whether the program's process group has the terminal, the only time its
// mode may change. A background job stops here, as any that touches its
// terminal does, until it is brought to the foreground; one that would not be
// stopped (SIGTTOU ignored, or an orphaned group) does not wait at all.
bool waitUntilForeground(int terminal) {
    for (;;) {
        const pid_t foreground = tcgetpgrp(terminal);
        if (foreground == getpgrp()) {
            return true;
        }
        termios mode{};
        if (foreground == -1 || !stoppedFromTheBackground() || tcgetattr(terminal, &mode) != 0) {
            return false;
        }
        // Setting the mode the terminal has is what stops the job.
        if (tcsetattr(terminal, TCSANOW, &mode) == 0) {
            return tcgetpgrp(terminal) == getpgrp();
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

// The turn at the terminal is a lock on one byte, at the session's number:
// every copy on one controlling terminal is in its session, and on some
// systems every terminal is reached through the one /dev/tty.
int lockTurn(int terminal, short type, int command) {
    flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = getsid(0);
    lock.l_len = 1;
    return fcntl(terminal, command, &lock);
}

// Waits until the copy before has put the mode back; at once without locks
// (a system or device that has none). False when a watched signal comes first.
bool takeTurn(int terminal) {
    while (lockTurn(terminal, F_WRLCK, F_SETLKW) != 0) {
        if (errno != EINTR) {
            return true;
        }
        if (anyArrived != 0) {
            return false;
        }
    }
    return true;
}

// No line editing, no echo, no signal keys, no flow control, one byte at a
// time. Keys already typed stay queued: the switch does not flush input.
bool enableRawMode(int terminal, termios& saved) {
    if (tcgetattr(terminal, &saved) != 0) {
        return false;
    }
    termios raw = saved;
    raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    return tcsetattr(terminal, TCSANOW, &raw) == 0;
}

// Watched signals are no longer held back here, so one may interrupt the
// change: it is made again until it holds.
void disableRawMode(int terminal, const termios& saved) {
    while (tcsetattr(terminal, TCSANOW, &saved) != 0 && errno == EINTR) {
    }
}

// One byte, waiting for it at most `limit` (without end when null) with the
// signal mask `waitMask`; NO_BYTE when none comes, reading fails, or a
// watched signal arrives first.
int readByte(int terminal, const timespec* limit, const sigset_t& waitMask) {
    if (terminal >= FD_SETSIZE) {
        return NO_BYTE;
    }
    for (;;) {
        if (anyArrived != 0) {
            return NO_BYTE;
        }
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(terminal, &ready);
        const int result = pselect(terminal + 1, &ready, nullptr, nullptr, limit, &waitMask);
        if (result > 0) {
            break;
        }
        if (result == 0 || errno != EINTR) {
            return NO_BYTE;
        }
    }
    unsigned char byte = 0;
    return read(terminal, &byte, 1) == 1 ? byte : NO_BYTE;
}

// Reads one whole key, so that no piece of it is left for the shell: its
// first byte whenever it comes, each next one only if it follows soon. The
// watched signals are held back except inside pselect, so that none slips in
// between a check and a wait.
void readOneKey(int terminal, const sigset_t& watched) {
    sigset_t maskFound{};
    sigprocmask(SIG_BLOCK, &watched, &maskFound);
    constexpr timespec soon{0, FOLLOWING_BYTE_WAIT_NS};
    std::string key;
    for (int byte = readByte(terminal, nullptr, maskFound); byte != NO_BYTE;
         byte = readByte(terminal, &soon, maskFound)) {
        key.push_back(static_cast<char>(byte));
        if (isWholeKey(key)) {
            break;
        }
    }
    sigprocmask(SIG_SETMASK, &maskFound, nullptr);
}

}  // namespace

void waitForKeyPress(std::string_view closingMessage) {
    const OutputReach reach = standardOutputReach();
    if (reach == OutputReach::Pipe) {
        return;
    }
    // One write, so that no other program's text lands inside the line.
    const std::string closingLine = std::string(closingMessage) + '\n';
    const int terminal = openTerminal(O_RDWR);
    if (terminal < 0) {
        if (reach == OutputReach::Nowhere) {
            showOnTerminal(closingLine);
        }
        return;
    }
    // A key, a failed read or a background the job cannot wait in ends the
    // wait; after a stop it goes on.
    bool messageOnScreen = reach == OutputReach::Screen;
    while (waitUntilForeground(terminal)) {
        WatchedSignals signals;
        watchSignals(signals);
        if (takeTurn(terminal)) {
            if (!messageOnScreen) {
                writeAll(terminal, closingLine);
            }
            termios saved{};
            if (enableRawMode(terminal, saved)) {
                readOneKey(terminal, signals.set);
                disableRawMode(terminal, saved);
            }
            lockTurn(terminal, F_UNLCK, F_SETLK);
        }
        unwatchSignals(signals);
        if (!resendArrivedSignals()) {
            break;
        }
        messageOnScreen = false;  // the screen now ends with the shell's job messages
    }
    close(terminal);
}

}  // namespace console
