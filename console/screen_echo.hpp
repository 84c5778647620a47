// The questions shown on the terminal too, when standard output goes where the
// user does not look.
#pragma once

#include "console/standard_streams.hpp"
#include "console/terminal.hpp"

namespace console {

// Standard output that also shows what it writes on the terminal, at each
// flush: the user who types the answers sees the introduction screen and each
// question even with standard output on a file. What reaches standard output
// is exactly what was written.
class ScreenEcho : public StandardOutputBuffer {
  public:
    // Whether the dialogue needs it: the answers are typed at a terminal and
    // standard output shows nothing there.
    static bool needed() {
        return answersAreTyped() && standardOutputReach() == OutputReach::Nowhere;
    }

  protected:
    // A failed write to standard output is ignored, as everywhere else, so
    // that the questions still reach the terminal after it.
    int sync() override {
        showOnTerminal(pending());
        StandardOutputBuffer::sync();
        return 0;
    }
};

}  // namespace console
