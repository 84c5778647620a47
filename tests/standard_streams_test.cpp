#include "console/standard_streams.hpp"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>
#endif

namespace {

struct OpenedOutputBuffer : console::StandardOutputBuffer {
    using StandardOutputBuffer::overflow;
    using StandardOutputBuffer::pending;
};

// The stream asks a full buffer to make room with an end-of-file, which is no
// character to keep.
TEST(StandardOutputBuffer, AnEndOfFileAskingForRoomAddsNothing) {
    OpenedOutputBuffer buffer;
    buffer.overflow(std::char_traits<char>::eof());
    EXPECT_EQ("", buffer.pending());
    buffer.overflow('a');
    EXPECT_EQ("a", buffer.pending());
}

}  // namespace

#ifndef _WIN32
// A signal while the answers are awaited, then the end of the input: the end
// is the end at once, though errno still holds the interruption. A read that
// took it for another would spin until a second of CPU time ends it.
int writeEnd = -1;
extern "C" void endTheInput(int) {
    close(writeEnd);
}

void readInterruptedThenEnded() {
    std::array<int, 2> ends{};
    static_cast<void>(pipe(ends.data()));
    dup2(ends[0], STDIN_FILENO);
    writeEnd = ends[1];
    struct sigaction interrupt {};
    interrupt.sa_handler = endTheInput;  // without SA_RESTART: the read fails with EINTR
    sigaction(SIGALRM, &interrupt, nullptr);
    const itimerval soon{{0, 0}, {0, 100'000}};
    setitimer(ITIMER_REAL, &soon, nullptr);
    const itimerval cpuLimit{{0, 0}, {1, 0}};
    setitimer(ITIMER_PROF, &cpuLimit, nullptr);
    char byte = 0;
    std::exit(console::readStandardInput(&byte, 1) == 0 ? 0 : 1);
}

TEST(StandardInput, EndsAtOnceAfterAnInterruptedRead) {
    EXPECT_EXIT(readInterruptedThenEnded(), testing::ExitedWithCode(0), "");
}
#endif
