// beam-reactions: the support reactions of a simply supported beam.
//
// Command-line arguments are ignored; the answers come from standard input, the
// report goes to standard output, and the closing key is read at the console.
#include <csignal>
#include <iostream>

#include "app/one_pass.hpp"
#include "console/key_wait.hpp"

int main() {
#ifdef SIGPIPE
    // A reader that goes away early must not end the run: failed writes are ignored.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
    std::ios_base::sync_with_stdio(false);
    app::runOnePass(std::cin, std::cout);
    std::cout.flush();
    console::waitForKeyPress();
    return 0;
}
