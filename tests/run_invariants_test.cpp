// The checker that judges whole runs (the fuzzer's, and the hostile runs'):
// a sound report passes, and each report broken in one place is rejected.
#include "fuzz/run_invariants.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/one_pass.hpp"
#include "case_name.hpp"

namespace {

std::string wholeRun(const std::string& answers) {
    std::istringstream in(answers);
    std::ostringstream out;
    app::runOnePass(in, out);
    return out.str();
}

struct BrokenCase {
    const char* name;
    std::string answers;
    std::string sound;   // a piece of the sound report
    std::string broken;  // what it is replaced with, the first time it occurs
    friend void PrintTo(const BrokenCase& c, std::ostream* out) { *out << c.name; }
};

class Checker : public testing::TestWithParam<BrokenCase> {};

TEST_P(Checker, PassesTheSoundReportAndRejectsTheBrokenOne) {
    const BrokenCase& c = GetParam();
    std::string report = wholeRun(c.answers);
    EXPECT_EQ(fuzz::brokenInvariant(report), std::nullopt);
    const std::size_t at = report.find(c.sound);
    ASSERT_NE(at, std::string::npos);
    report.replace(at, c.sound.size(), c.broken);
    EXPECT_NE(fuzz::brokenInvariant(report), std::nullopt);
}

const std::string DASH_RULE_LINE = "---------------------------------------------------------- \n";
const std::string CLOSING = "Press Any Key To Continue\n";

INSTANTIATE_TEST_SUITE_P(
    Reports, Checker,
    testing::Values(
        BrokenCase{"ByOffByOne", "10 100 0 0 kN m", " By = 50\n", " By = 51\n"},
        BrokenCase{"AyOffByOne", "7 9 0 0 kN m", " Ay = 4.5\n", " Ay = 5.5\n"},
        BrokenCase{"MomentEquationFalse", "10 100 0 0 kN m", "-500 + 10 x By = 0",
                   "-501 + 10 x By = 0"},
        BrokenCase{"MidpointNotHalf", "7 9 0 0 kN m", " ==> 7 / 2 = 3.5 ", " ==> 7 / 2 = 3 "},
        BrokenCase{"DashRuleMissing", "10 100 0 0 kN m", DASH_RULE_LINE + CLOSING, CLOSING},
        BrokenCase{"SecondHorizontalCase", "10 100 0 4 kN m", CLOSING,
                   " Ax = 0.00 kN, And , Bx = 0.00 kN\n" + CLOSING},
        BrokenCase{"NoHorizontalCase", "10 100 0 4 kN m",
                   " Bx = 4 kN <--, Acting Towards The Left Side Of The Beam\n", ""},
        BrokenCase{"ClosingMessageMissing", "10 100 0 0 kN m", CLOSING, ""},
        BrokenCase{"PromptMissing", "10 100 0 0 kN m", " Enter The Unit For The Length = ", ""},
        BrokenCase{"ZeroLengthDividedBy", "0 100 0 0 kN m",
                   " By And Ay Cannot Be Found, The Length Of The Beam Is 0", " By = 0"}),
    testing_support::CaseName{});

}  // namespace
