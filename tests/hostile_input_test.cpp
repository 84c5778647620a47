// The built program given input no user should type and output that cannot
// be written: it always writes a whole report it can, and always exits 0.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "case_name.hpp"
#include "child_process.hpp"
#include "fuzz/run_invariants.hpp"

namespace {

using namespace std::string_literals;
using testing_support::OutputTarget;
using testing_support::runWithoutTerminal;

std::string randomBytes(std::size_t count) {
    std::mt19937 generator(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(generator));
    }
    return bytes;
}

const std::string PAGE_OF_TEXT =
    "A simply supported beam rests on a pin at A and a rocker at B.\n"
    "It carries one load at its centre; what are the reactions?\n"
    "Paste this anywhere: 12 apples, 3.5 pears, -0 and +7, then a tab\tand more.\n";

struct HostileCase {
    const char* name;
    std::string input;
    OutputTarget output;
    friend void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }
};

class HostileRun : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileRun, CompletesAndExitsZero) {
    const HostileCase& c = GetParam();
    if (c.output == OutputTarget::DevFull && access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "this system has no /dev/full, a device whose every write fails";
    }
    const auto result = runWithoutTerminal(BEAM_REACTIONS_PROGRAM, c.input, c.output);
    ASSERT_FALSE(result.timedOut);
    ASSERT_TRUE(WIFEXITED(result.waitStatus)) << "ended by signal " << WTERMSIG(result.waitStatus);
    EXPECT_EQ(WEXITSTATUS(result.waitStatus), 0);
    EXPECT_EQ(result.standardError, "");
    if (c.output == OutputTarget::Captured) {
        EXPECT_EQ(fuzz::brokenInvariant(result.standardOutput), std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileRun,
    testing::Values(
        HostileCase{"MegabyteUnitWord", "10 100 0 0 " + std::string(1 << 20, 'u') + " m",
                    OutputTarget::Captured},
        HostileCase{"NulBytes", "10 100 3 0 k\0N \0m\0"s, OutputTarget::Captured},
        HostileCase{"NulInsideANumber",
                    "1\0"
                    "0 100 0 0 kN m"s,
                    OutputTarget::Captured},
        HostileCase{"InvalidUtf8", "10 100 0 4 \xC3\x28\xFF\xFE \xE2\x82", OutputTarget::Captured},
        HostileCase{"CrLfLineEnds", "10\r\n100\r\n5\r\n2\r\nkN\r\nm\r\n", OutputTarget::Captured},
        HostileCase{"RandomBytes", randomBytes(1 << 16), OutputTarget::Captured},
        HostileCase{"PageOfText", PAGE_OF_TEXT, OutputTarget::Captured},
        HostileCase{"EmptyInput", "", OutputTarget::Captured},
        HostileCase{"EndsMidAnswer", "10 10", OutputTarget::Captured},
        HostileCase{"OutputToAClosedPipe", "10 100 5 2 kN m", OutputTarget::ClosedPipe},
        HostileCase{"OutputToAFullDisk", "10 100 5 2 kN m", OutputTarget::DevFull},
        HostileCase{"LargeInputToAClosedPipe", "10 100 0 0 " + std::string(1 << 20, 'u'),
                    OutputTarget::ClosedPipe}),
    testing_support::CaseName{});

}  // namespace
