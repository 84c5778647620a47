// The 32-bit extremes through the whole pass: every derived value is written
// exactly, with nothing wrapped. Between them the rows take each pair of
// extremes for the length and the force, and for the two horizontal forces.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/one_pass.hpp"
#include "case_name.hpp"
#include "report_lines.hpp"

namespace {

struct ExtremesCase {
    const char* name;
    std::string answers;
    std::vector<std::string> lines;  // each one among the lines of the report
    friend void PrintTo(const ExtremesCase& c, std::ostream* out) { *out << c.name; }
};

class Extremes : public testing::TestWithParam<ExtremesCase> {};

TEST_P(Extremes, AreWrittenExactly) {
    std::istringstream in(GetParam().answers);
    std::ostringstream out;
    app::runOnePass(in, out);
    const auto lines = testing_support::splitLines(out.str());
    for (const std::string& expected : GetParam().lines) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
            << "missing: " << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Extremes,
    testing::Values(
        ExtremesCase{"LargestEverywhere",
                     "2147483647 2147483647 2147483647 2147483647 kN m",
                     {"(+/-)Ax + (+/-)Bx = 4294967294 Eq-2",
                      " ==> 2147483647 / 2 = 1073741823.5 = The Midpoint(Acting Point Of The "
                      "Vertical Force)",
                      "-2305843007066210304.5 + 2147483647 x By = 0",
                      "2147483647 By = 2305843007066210304.5", " By = 1073741823.5",
                      " Ay = 2147483647 - 1073741823.5", " Ay = 1073741823.5",
                      " Ax - Bx = 2147483647 - 2147483647", " Ax - Bx = 0 kN"}},
        ExtremesCase{
            "SmallestEverywhere",
            "-2147483648 -2147483648 -2147483648 -2147483648 kN m",
            {"(+/-)Ax + (+/-)Bx = -4294967296 Eq-2",
             " ==> -2147483648 / 2 = -1073741824 = The Midpoint(Acting Point Of The "
             "Vertical Force)",
             "-2305843009213693952 + -2147483648 x By = 0", "-2147483648 By = 2305843009213693952",
             " By = -1073741824", " Ay = -2147483648 - -1073741824", " Ay = -1073741824",
             " Ax - Bx = -2147483648 - -2147483648", " Ax - Bx = 0 kN"}},
        ExtremesCase{"SmallestLengthLargestForce",
                     "-2147483648 2147483647 -2147483648 2147483647 kN m",
                     {"(+/-)Ax + (+/-)Bx = -1 Eq-2", "2305843008139952128 + -2147483648 x By = 0",
                      "-2147483648 By = -2305843008139952128", " By = 1073741823.5",
                      " Ay = 2147483647 - 1073741823.5", " Ay = 1073741823.5",
                      " Ax - Bx = -2147483648 - 2147483647", " Ax - Bx = -4294967295 kN"}},
        ExtremesCase{"LargestLengthSmallestForce",
                     "2147483647 -2147483648 2147483647 -2147483648 kN m",
                     {"(+/-)Ax + (+/-)Bx = -1 Eq-2", "2305843008139952128 + 2147483647 x By = 0",
                      "2147483647 By = -2305843008139952128", " By = -1073741824",
                      " Ay = -2147483648 - -1073741824", " Ay = -1073741824",
                      " Ax - Bx = 2147483647 - -2147483648", " Ax - Bx = 4294967295 kN"}},
        ExtremesCase{"SmallestForceAtBAlone",
                     "10 100 0 -2147483648 kN m",
                     {"(+/-)Ax + (+/-)Bx = -2147483648 Eq-2", " Ax - Bx = 0 + -2147483648",
                      " -Bx = 2147483648 kN",
                      " Bx = -2147483648 kN <--, Acting Towards The Left Side Of The Beam"}}),
    testing_support::CaseName{});

}  // namespace
