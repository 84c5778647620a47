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

// The cases are listed in golden/cases.txt.
class WholeRun : public testing::TestWithParam<std::string> {};

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
                         testing::ValuesIn(testing_support::goldenCaseNames(GOLDEN_DIRECTORY)),
                         [](const testing::TestParamInfo<std::string>& test) {
                             return test.param;
                         });

TEST(WholeRunArguments, AreIgnoredHelpIncluded) {
    const std::string base = std::string(GOLDEN_DIRECTORY) + "/worked_example";
    const auto result = runWithoutTerminal(BEAM_REACTIONS_PROGRAM, readFile(base + ".in"),
                                           testing_support::OutputTarget::Captured,
                                           {"--help", "-v", "extra words"});
    EXPECT_EQ(result.standardOutput, readFile(base + ".out"));
    ASSERT_TRUE(WIFEXITED(result.waitStatus));
    EXPECT_EQ(WEXITSTATUS(result.waitStatus), 0);
}

}  // namespace
