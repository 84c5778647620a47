#include "beam/vertical_section.hpp"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "case_name.hpp"
#include "report_lines.hpp"

namespace {

using testing_support::makeProblem;
using testing_support::splitLines;

std::string verticalSection(const beam::BeamProblem& problem) {
    std::ostringstream out;
    beam::writeVerticalSection(out, problem, beam::solveSupportReactions(problem));
    return out.str();
}

// The worked example and a zero length are whole runs in golden/.
// Selected lines of a report, by their line number counted from 1.
struct LinesCase {
    const char* name;
    beam::BeamProblem problem;
    std::map<int, std::string> lines;
    friend void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }
};

class VerticalLines : public testing::TestWithParam<LinesCase> {};

TEST_P(VerticalLines, ReadAsExpected) {
    const LinesCase& c = GetParam();
    const auto lines = splitLines(verticalSection(c.problem));
    ASSERT_EQ(lines.size(), 23U);
    for (const auto& [number, text] : c.lines) {
        EXPECT_EQ(lines.at(static_cast<std::size_t>(number - 1)), text) << "line " << number;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Beams, VerticalLines,
    testing::Values(
        LinesCase{"OddLength",
                  makeProblem(7, 9, 0, 0),
                  {{6, " ==> 7 / 2 = 3.5 = The Midpoint(Acting Point Of The Vertical Force)"},
                   {7, " The Center Of The Force = 3.5 m"},
                   {10, "-31.5 + 7 x By = 0"},
                   {11, "7 By = 31.5"},
                   {12, " By = 4.5"},
                   {13, " By = 4.5 kN"},
                   {15, " Ay = 9 - 4.5"},
                   {16, " Ay = 4.5"},
                   {17, " Ay = 4.5 kN"},
                   {20, " Ay = 4.5 kN"},
                   {21, " By = 4.5 kN"}}},
        LinesCase{"HalfBelowZero",
                  makeProblem(2, -1, 0, 0),
                  {{10, "1 + 2 x By = 0"}, {12, " By = -0.5"}, {15, " Ay = -1 - -0.5"}}},
        LinesCase{"NoForce",
                  makeProblem(10, 0, 0, 0),
                  {{10, "0 + 10 x By = 0"}, {13, " By = 0 kN"}, {17, " Ay = 0 kN"}}},
        LinesCase{"LengthOne",
                  makeProblem(1, 50, 0, 0),
                  {{6, " ==> 1 / 2 = 0.5 = The Midpoint(Acting Point Of The Vertical Force)"},
                   {10, "-25 + 1 x By = 0"},
                   {12, " By = 25"},
                   {16, " Ay = 25"}}},
        LinesCase{"HorizontalForcesSummedWithTheirSigns",
                  makeProblem(10, 100, -3, 5),
                  {{2, "(+/-)Ax + (+/-)Bx = 2 Eq-2"}}},
        LinesCase{"LengthUnitOnlyOnTheCentre",
                  makeProblem(10, 100, 0, 0, "lbf", "ft"),
                  {{4, " The Acting Vertial Force Is 100 lbf"},
                   {7, " The Center Of The Force = 5 ft"},
                   {13, " By = 50 lbf"}}}),
    testing_support::CaseName{});

}  // namespace
