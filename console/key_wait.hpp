// The closing pause: one key press at the console, not from standard input.
#pragma once

namespace console {

// Waits for one key at the console keyboard, without echo, and discards it.
// The console's mode is restored afterwards. Returns at once when there is no
// console to read from.
void waitForKeyPress();

}  // namespace console
