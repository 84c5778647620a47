#include "console/terminal.hpp"

namespace console {

// The host shows standard output itself, on its terminal or in its own output;
// it echoes what is typed, and has no other screen to show text on.
OutputReach standardOutputReach() {
    return OutputReach::Screen;
}

bool answersAreTyped() {
    return false;
}

void showOnTerminal(std::string_view /*text*/) {}

}  // namespace console
