// The calculator's one pass, from the first line written to the closing message.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace app {

// Fixed text, as users know it.
inline constexpr std::string_view CLOSING_MESSAGE = "Press Any Key To Continue";

// Writes the introduction screen and the questions to `dialogue`, reads the
// answers from `in`, and writes the whole report and the closing message to
// `out`: one stream, or with the dialogue also shown on the terminal when `out`
// alone would leave the user answering blind. The key wait is left to the
// caller.
void runOnePass(std::istream& in, std::ostream& out, std::ostream& dialogue);

}  // namespace app
