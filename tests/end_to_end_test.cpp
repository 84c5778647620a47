// The built program, run with its answers redirected from a file and no
// terminal, compared byte for byte with the expected files in golden/.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.hpp"
#include "child_process.hpp"
#include "golden_file.hpp"

namespace {

using testing_support::InputSource;
using testing_support::OutputTarget;
using testing_support::readFile;
using testing_support::runWithoutTerminal;

// Runs the program on the answers of golden case `name` and checks that it
// writes exactly that case's output, nothing on standard error, and exits 0.
void expectGoldenRun(const std::string& name, InputSource source = InputSource::File,
                     const std::vector<std::string>& arguments = {}) {
    const std::string base = std::string(GOLDEN_DIRECTORY) + "/" + name;
    const auto result = runWithoutTerminal(BEAM_REACTIONS_PROGRAM, readFile(base + ".in"),
                                           OutputTarget::Captured, source, arguments);
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.standardOutput, readFile(base + ".out"));
    EXPECT_EQ(result.standardError, "");
    ASSERT_TRUE(WIFEXITED(result.waitStatus)) << "ended by signal " << WTERMSIG(result.waitStatus);
    EXPECT_EQ(WEXITSTATUS(result.waitStatus), 0);
}

// The cases are listed in golden/cases.txt.
class WholeRun : public testing::TestWithParam<std::string> {};

TEST_P(WholeRun, WritesExactlyTheExpectedOutputAndExitsZero) {
    expectGoldenRun(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Golden, WholeRun,
                         testing::ValuesIn(testing_support::goldenCaseNames(GOLDEN_DIRECTORY)),
                         [](const testing::TestParamInfo<std::string>& test) {
                             return test.param;
                         });

// Standard input that fails to be read, or is slow to come, with the case of
// golden/ whose output it gives.
struct InputCase {
    const char* name;
    InputSource source;
    std::string goldenCase;
    friend void PrintTo(const InputCase& c, std::ostream* out) { *out << c.name; }
};

class UnusualInput : public testing::TestWithParam<InputCase> {};

TEST_P(UnusualInput, WritesTheExpectedOutputAndExitsZero) {
    expectGoldenRun(GetParam().goldenCase, GetParam().source);
}

// A read error is the end of the input: the output of an empty input.
INSTANTIATE_TEST_SUITE_P(
    StandardInput, UnusualInput,
    testing::Values(InputCase{"Closed", InputSource::Closed, "empty_input"},
                    InputCase{"Directory", InputSource::Directory, "empty_input"},
                    InputCase{"WriteOnly", InputSource::WriteOnly, "empty_input"},
                    InputCase{"SlowNonBlockingPipe", InputSource::NonBlockingPipe,
                              "worked_example"}),
    testing_support::CaseName{});

TEST(WholeRunArguments, AreIgnoredHelpIncluded) {
    expectGoldenRun("worked_example", InputSource::File, {"--help", "-v", "extra words"});
}

}  // namespace
