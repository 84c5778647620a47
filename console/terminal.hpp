// The terminal the user sits at, reached apart from standard input and output.
#pragma once

#include <string_view>

namespace console {

// Where standard output goes, judged before the program opens anything: a
// screen (a terminal, the console), a pipe or socket to another program (a
// pager, tee, grep), or nowhere the user looks (a file, a device, closed).
enum class OutputReach { Screen, Pipe, Nowhere };
OutputReach standardOutputReach();

// Whether standard input is a terminal, so that the answers are typed.
bool answersAreTyped();

// Writes `text` to the terminal itself; nothing happens when there is none.
void showOnTerminal(std::string_view text);

}  // namespace console
