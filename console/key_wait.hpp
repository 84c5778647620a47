// The closing pause: one key press at the console, not from standard input.
#pragma once

#include <string_view>

namespace console {

// Waits for one key at the console keyboard, without echo, and discards it.
// The console's mode is restored afterwards. Returns at once when there is no
// console to read from, and when standard output is a pipe: the program
// reading it (a pager) may be reading the console too. When standard output
// goes where no screen shows it (a file, a null device, closed),
// `closingMessage` is first shown at the console too, so that the wait is
// never silent.
void waitForKeyPress(std::string_view closingMessage);

}  // namespace console
