// The closing pause on Windows: one key event from the console input device.
#include <windows.h>

#include <string>

#include "console/key_classification.hpp"
#include "console/key_wait.hpp"
#include "console/terminal.hpp"

namespace console {
namespace {

HANDLE consoleInput = INVALID_HANDLE_VALUE;
DWORD savedMode = 0;
volatile LONG rawModeOn = 0;

void disableRawMode() {
    if (InterlockedExchange(&rawModeOn, 0) != 0) {
        SetConsoleMode(consoleInput, savedMode);
    }
}

// Closing the console window or Ctrl+Break from elsewhere: put the mode back,
// then let the default handling end the program.
BOOL WINAPI restoreOnControlEvent(DWORD /*event*/) {
    disableRawMode();
    return FALSE;
}

// No line editing, no echo, no processing of Ctrl+C: every key is an event.
bool enableRawMode() {
    if (GetConsoleMode(consoleInput, &savedMode) == 0) {
        return false;
    }
    constexpr DWORD COOKED = ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT;
    InterlockedExchange(&rawModeOn, 1);
    if (SetConsoleMode(consoleInput, savedMode & ~COOKED) == 0) {
        disableRawMode();
        return false;
    }
    return true;
}

KeyPress keyPressOf(const KEY_EVENT_RECORD& event) {
    KeyPress key;
    key.keyDown = event.bKeyDown != 0;
    key.virtualKey = event.wVirtualKeyCode;
    key.character = event.uChar.AsciiChar;
    key.altHeld = (event.dwControlKeyState & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0;
    return key;
}

// Takes events one at a time until a key that ends the wait, or a failed read.
void readUntilKey() {
    for (;;) {
        INPUT_RECORD record{};
        DWORD count = 0;
        if (ReadConsoleInputA(consoleInput, &record, 1, &count) == 0 || count != 1) {
            return;
        }
        if (record.EventType == KEY_EVENT && endsKeyWait(keyPressOf(record.Event.KeyEvent))) {
            return;
        }
    }
}

}  // namespace

void waitForKeyPress(std::string_view closingMessage) {
    // A program reading a pipe (a pager) may be reading the console too.
    const OutputReach reach = standardOutputReach();
    if (reach == OutputReach::Pipe) {
        return;
    }
    consoleInput =
        CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (consoleInput == INVALID_HANDLE_VALUE) {
        return;
    }
    if (reach == OutputReach::Nowhere) {
        // One write, so that no other program's text lands inside the line.
        showOnTerminal(std::string(closingMessage) + "\r\n");
    }
    SetConsoleCtrlHandler(restoreOnControlEvent, TRUE);
    if (enableRawMode()) {
        readUntilKey();
        disableRawMode();
    }
    SetConsoleCtrlHandler(restoreOnControlEvent, FALSE);
    CloseHandle(consoleInput);
    consoleInput = INVALID_HANDLE_VALUE;
}

}  // namespace console
