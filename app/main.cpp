// beam-reactions: the support reactions of a simply supported beam.
//
// Command-line arguments are ignored; the answers come from standard input, the
// report goes to standard output, and the closing key is read at the console.
#include <istream>
#include <ostream>

#include "app/one_pass.hpp"
#include "console/input_encoding.hpp"
#include "console/key_wait.hpp"
#include "console/screen_echo.hpp"
#include "console/standard_streams.hpp"
#include "console/terminal.hpp"

int main() {
    // A reader that goes away early must not end the run.
    console::ignoreWriteErrors();
    // Read errors end the answers instead of ending the program. An answers
    // file that Windows began with a byte order mark is read as the text it
    // holds; what is typed at a terminal is read as it comes.
    console::StandardInputBuffer standardInput;
    console::MarkedInputBuffer markedInput(standardInput);
    std::istream answers(console::answersAreTyped() ? static_cast<std::streambuf*>(&standardInput)
                                                    : &markedInput);
    // Write errors end the output; a full non-blocking terminal is waited for.
    console::StandardOutputBuffer standardOutput;
    std::ostream report(&standardOutput);
    // Typed answers to questions the screen does not show would be typed blind.
    // Each prompt is flushed, so the report follows the questions in order.
    console::ScreenEcho echoedOutput;
    std::ostream dialogue(console::ScreenEcho::needed() ? &echoedOutput : &standardOutput);
    app::runOnePass(answers, report, dialogue);
    report.flush();
    console::waitForKeyPress(app::CLOSING_MESSAGE);
    return 0;
}
