// The closing pause on POSIX systems: one key from the controlling terminal.
//
// The terminal is put in raw mode for the wait and its saved mode is put back
// on every way out: after the key, at exit, and on a terminating signal.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "console/key_wait.hpp"

namespace console {
namespace {

// How long the rest of a key (an escape sequence or a UTF-8 character) may
// take to follow its first byte. A lone Esc ends the wait after this.
constexpr int FOLLOWING_BYTE_WAIT_MS = 150;
// Longest escape sequence read to its end; anything longer is cut off there.
constexpr int LONGEST_SEQUENCE = 32;
constexpr unsigned char ESC = 0x1b;
constexpr int NO_BYTE = -1;

constexpr std::array TERMINATING_SIGNALS = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

int terminalFd = -1;
termios savedMode{};
volatile std::sig_atomic_t rawModeOn = 0;
std::array<struct sigaction, TERMINATING_SIGNALS.size()> previousActions{};

void disableRawMode() {
    if (rawModeOn != 0) {
        tcsetattr(terminalFd, TCSANOW, &savedMode);
        rawModeOn = 0;
    }
}

extern "C" void disableRawModeAtExit() {
    disableRawMode();
}

// Puts the terminal back, then lets the signal end the program as it would have.
extern "C" void restoreAndResignal(int signalNumber) {
    disableRawMode();
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    static_cast<void>(raise(signalNumber));  // delivered once this handler returns
}

void catchTerminatingSignals() {
    struct sigaction action {};
    action.sa_handler = restoreAndResignal;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : TERMINATING_SIGNALS) {
        sigaddset(&action.sa_mask, signalNumber);
    }
    for (std::size_t i = 0; i < TERMINATING_SIGNALS.size(); ++i) {
        sigaction(TERMINATING_SIGNALS[i], &action, &previousActions[i]);
    }
}

void releaseTerminatingSignals() {
    for (std::size_t i = 0; i < TERMINATING_SIGNALS.size(); ++i) {
        sigaction(TERMINATING_SIGNALS[i], &previousActions[i], nullptr);
    }
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
    rawModeOn = 1;
    if (tcsetattr(terminalFd, TCSANOW, &raw) != 0) {
        disableRawMode();
        return false;
    }
    return true;
}

// One byte, waiting as long as it takes; NO_BYTE when reading fails.
int readByte() {
    unsigned char byte = 0;
    for (;;) {
        const ssize_t count = read(terminalFd, &byte, 1);
        if (count == 1) {
            return byte;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        return NO_BYTE;
    }
}

// The next byte of a key already begun, or NO_BYTE if none follows soon.
int readFollowingByte() {
    pollfd ready{terminalFd, POLLIN, 0};
    int result = 0;
    do {
        result = poll(&ready, 1, FOLLOWING_BYTE_WAIT_MS);
    } while (result < 0 && errno == EINTR);
    return result == 1 && (ready.revents & POLLIN) != 0 ? readByte() : NO_BYTE;
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

// Parameter and intermediate bytes, then one final byte: ESC [ 1 ; 5 A.
void readRestOfControlSequence() {
    int byte = readFollowingByte();
    if (byte == '[') {  // the Linux console's F1 to F5: ESC [ [ A
        readFollowingByte();
        return;
    }
    for (int length = 0; byte >= 0x20 && byte <= 0x3F && length < LONGEST_SEQUENCE; ++length) {
        byte = readFollowingByte();
    }
}

// Modifier digits, then one final byte: ESC O P, ESC O 1 ; 2 P.
void readRestOfShiftThree() {
    int byte = readFollowingByte();
    for (int length = 0; byte >= 0x30 && byte <= 0x3F && length < LONGEST_SEQUENCE; ++length) {
        byte = readFollowingByte();
    }
}

// What follows an Esc: a sequence, an Alt combination, or nothing (a lone Esc).
void readRestOfEscape(bool afterAlt) {
    const int byte = readFollowingByte();
    if (byte == '[') {
        readRestOfControlSequence();
    } else if (byte == 'O') {
        readRestOfShiftThree();
    } else if (byte == ESC && !afterAlt) {  // Alt with a key that sends its own Esc
        readRestOfEscape(true);
    } else if (byte != NO_BYTE) {
        readRestOfCharacter(byte);
    }
}

// Reads one whole key, so that no piece of it is left for the shell.
void readOneKey() {
    const int first = readByte();
    if (first == ESC) {
        readRestOfEscape(false);
    } else if (first != NO_BYTE) {
        readRestOfCharacter(first);
    }
}

}  // namespace

void waitForKeyPress() {
    terminalFd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminalFd < 0) {
        return;
    }
    static const bool restoresAtExit = std::atexit(disableRawModeAtExit) == 0;
    static_cast<void>(restoresAtExit);
    catchTerminatingSignals();
    if (enableRawMode()) {
        readOneKey();
        disableRawMode();
    }
    releaseTerminatingSignals();
    close(terminalFd);
    terminalFd = -1;
}

}  // namespace console
