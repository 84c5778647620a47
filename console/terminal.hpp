// The terminal the user sits at, reached apart from standard input and output.
#pragma once

#include <string_view>

namespace console {

// Where standard output goes: the screen the user sits at (the controlling
// terminal itself, open for writing, or the console), a pipe or socket to
// another program (a pager, tee, grep), or nowhere the user looks (a file, a
// device, another terminal, closed).
enum class OutputReach { Screen, Pipe, Nowhere };
OutputReach standardOutputReach();

// Whether standard input is a terminal, so that the answers are typed.
bool answersAreTyped();

// Writes `text` to the user's terminal: the controlling terminal or, without
// one, the terminal standard input is on. Nothing happens when there is none.
void showOnTerminal(std::string_view text);

}  // namespace console
