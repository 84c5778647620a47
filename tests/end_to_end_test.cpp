// The built program, run with its answers redirected from a file and no
// terminal, compared byte for byte with the expected files in golden/.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>

#include "child_process.hpp"
#include "golden_file.hpp"

namespace {

using testing_support::readFile;
using testing_support::runWithoutTerminal;

// Each case has golden/<name>.in, the answers, and golden/<name>.out, the
// whole of standard output.
class WholeRun : public testing::TestWithParam<const char*> {};

TEST_P(WholeRun, WritesExactlyTheExpectedOutputAndExitsZero) {
    const std::string base = std::string(GOLDEN_DIRECTORY) + "/" + GetParam();
    const auto result = runWithoutTerminal(BEAM_REACTIONS_PROGRAM, readFile(base + ".in"));
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.standardOutput, readFile(base + ".out"));
    EXPECT_EQ(result.standardError, "");
    ASSERT_TRUE(WIFEXITED(result.waitStatus));
    EXPECT_EQ(WEXITSTATUS(result.waitStatus), 0);
}

INSTANTIATE_TEST_SUITE_P(Golden, WholeRun,
                         testing::Values("worked_example",             // 10 100 0 0 kN m
                                         "typed_ahead",                // all six on one line
                                         "odd_negative_length",        // -7 9
                                         "decimal_length",             // 7.5 fails every later read
                                         "two_word_unit",              // kN force
                                         "zero_length",                // nothing to divide by
                                         "extremes",                   // no wrap-around anywhere
                                         "empty_input",                // end of input at once
                                         "no_final_line_end",          // input ends after a digit
                                         "only_at_b",                  // 0 4
                                         "only_at_a",                  // 3 0
                                         "at_both",                    // 5 2
                                         "equal_forces_empty_units"),  // -6 -6, no units
                         [](const testing::TestParamInfo<const char*>& test) {
                             return std::string(test.param);
                         });

}  // namespace
