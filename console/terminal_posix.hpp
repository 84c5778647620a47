// The controlling terminal on POSIX systems, shared by the pause and the echo.
#pragma once

#include <string_view>

namespace console {

// Opens the controlling terminal on a descriptor above 2, so that it never
// takes the place of a closed standard stream; -1 when there is none.
int openTerminal(int access);

// Writes all of `text` to `fd`, as far as it will take it.
void writeAll(int fd, std::string_view text);

}  // namespace console
