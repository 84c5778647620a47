#include <windows.h>

#include "console/terminal.hpp"

namespace console {
namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

OutputReach standardOutputReach() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (GetFileType(output) == FILE_TYPE_PIPE) {
        return OutputReach::Pipe;
    }
    return isConsole(output) ? OutputReach::Screen : OutputReach::Nowhere;
}

bool answersAreTyped() {
    return isConsole(GetStdHandle(STD_INPUT_HANDLE));
}

void showOnTerminal(std::string_view text) {
    const HANDLE console =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(console);
}

}  // namespace console
