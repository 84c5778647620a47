// Runs the built program as a child process, the way a user's shell would.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
    std::string standardOutput;
    std::string standardError;
    int waitStatus = 0;  // as waitpid reports it
    bool timedOut = false;
};

// Where the child's standard output goes.
enum class OutputTarget {
    Captured,    // a pipe this side reads to the end
    DevFull,     // /dev/full: every write fails with "no space"
    ClosedPipe,  // a pipe whose reader has already gone
};

// Runs the program in a new session, so it has no controlling terminal, with
// `input` on its standard input. A child still running after the time limit
// is killed.
ProcessResult runWithoutTerminal(const std::string& program, const std::string& input,
                                 OutputTarget output = OutputTarget::Captured,
                                 const std::vector<std::string>& arguments = {},
                                 int timeLimitMs = 20000);

}  // namespace testing_support
