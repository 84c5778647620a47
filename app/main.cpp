// beam-reactions: the support reactions of a simply supported beam.
//
// Command-line arguments are ignored; the answers come from standard input, the
// report goes to standard output, and the closing key is read at the console.
#include <iostream>

#include "app/one_pass.hpp"
#include "console/key_wait.hpp"
#include "console/output.hpp"
#include "console/screen_echo.hpp"
#include "console/standard_input.hpp"

int main() {
    // A reader that goes away early must not end the run.
    console::ignoreWriteErrors();
    std::ios_base::sync_with_stdio(false);
    // Read errors end the answers instead of ending the program.
    console::StandardInputBuffer standardInput;
    std::istream answers(&standardInput);
    // Typed answers to questions the screen does not show would be typed blind.
    console::ScreenEcho screenEcho(*std::cout.rdbuf());
    std::ostream dialogue(console::ScreenEcho::needed() ? &screenEcho : std::cout.rdbuf());
    app::runOnePass(answers, std::cout, dialogue);
    std::cout.flush();
    console::waitForKeyPress(app::CLOSING_MESSAGE);
    return 0;
}
