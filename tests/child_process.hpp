// Runs the built program as a child process, the way a user's shell would.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace testing_support {

// A pipe whose ends are closed in any program the test starts; throws when
// none can be made.
void makePipe(std::array<int, 2>& ends);

// An unlinked temporary file, open for reading and writing, closed in any
// program the test starts.
int temporaryFile();

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

// What the child's standard input is.
enum class InputSource {
    File,             // a file holding the input, as `< answers.txt` gives it
    Closed,           // no descriptor at all, as `<&-` leaves it
    Directory,        // a directory, which cannot be read
    WriteOnly,        // a file opened only for writing
    NonBlockingPipe,  // a non-blocking pipe; its writer sends the input in pieces
};

// Runs the program in a new session, so it has no controlling terminal, with
// `input` on its standard input. A child still running after 20 seconds is
// killed.
ProcessResult runWithoutTerminal(const std::string& program, const std::string& input,
                                 OutputTarget output = OutputTarget::Captured,
                                 InputSource source = InputSource::File,
                                 const std::vector<std::string>& arguments = {});

}  // namespace testing_support
