// The calculator's one pass, from the first line written to the closing message.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace app {

// Fixed text, as users know it.
inline constexpr std::string_view CLOSING_MESSAGE = "Press Any Key To Continue";

// Asks the questions on `in` and `out`, writes the whole report and the closing
// message. The key wait that follows is left to the caller.
void runOnePass(std::istream& in, std::ostream& out);

// The same, with the introduction screen and the questions written to
// `dialogue` instead: `out` as well as the terminal, when `out` alone would
// leave the user answering blind.
void runOnePass(std::istream& in, std::ostream& out, std::ostream& dialogue);

}  // namespace app
