// Checks a whole run's output, read from standard input, against the
// invariants every run holds: exits 0 when they all hold, 1 with the first
// one broken on standard output.
#include <iostream>
#include <iterator>
#include <string>

#include "fuzz/run_invariants.hpp"

int main() {
    const std::string output{std::istreambuf_iterator<char>(std::cin),
                             std::istreambuf_iterator<char>()};
    const auto broken = fuzz::brokenInvariant(output);
    if (broken) {
        std::cout << "broken: " << *broken << '\n';
        return 1;
    }
    return 0;
}
