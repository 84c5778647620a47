#include "beam/vertical_section.hpp"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "case_name.hpp"
#include "flush_recorder.hpp"
#include "report_lines.hpp"

namespace {

using testing_support::makeProblem;
using testing_support::splitLines;

// Each line with its newline, as one flush should deliver it.
std::vector<std::string> splitLinesKeepingEnds(const std::string& output) {
    std::vector<std::string> lines = splitLines(output);
    for (std::string& line : lines) {
        line += '\n';
    }
    return lines;
}

std::string verticalSection(const beam::BeamProblem& problem) {
    std::ostringstream out;
    beam::writeVerticalSection(out, problem, beam::solveSupportReactions(problem));
    return out.str();
}

TEST(VerticalSection, WorkedExampleLineForLine) {
    const std::string expected =
        "Ay + By = 100 Eq-1\n"
        "(+/-)Ax + (+/-)Bx = 0 Eq-2\n"
        " \n"
        " The Acting Vertial Force Is 100 kN\n"
        " \n"
        " ==> 10 / 2 = 5 = The Midpoint(Acting Point Of The Vertical Force)\n"
        " The Center Of The Force = 5 m\n"
        " \n"
        " Sum Of The Moment At Point = 0 \n"
        "-500 + 10 x By = 0\n"
        "10 By = 500\n"
        " By = 50\n"
        " By = 50 kN\n"
        "From Eq-1 Above Where, Ay + By = 100, Whioh Eq-1\n"
        " Ay = 100 - 50\n"
        " Ay = 50\n"
        " Ay = 50 kN\n"
        "\n"
        "---------------------------------------------------------- \n"
        " Ay = 50 kN\n"
        " By = 50 kN\n"
        "---------------------------------------------------------- \n"
        "---------------------------------------------------------- \n";
    EXPECT_EQ(verticalSection(makeProblem(10, 100, 0, 0)), expected);
}

TEST(VerticalSection, ZeroLengthStopsAfterTheMomentWithoutDividing) {
    const std::string expected =
        "Ay + By = 100 Eq-1\n"
        "(+/-)Ax + (+/-)Bx = 7 Eq-2\n"
        " \n"
        " The Acting Vertial Force Is 100 kN\n"
        " \n"
        " ==> 0 / 2 = 0 = The Midpoint(Acting Point Of The Vertical Force)\n"
        " The Center Of The Force = 0 m\n"
        " \n"
        " Sum Of The Moment At Point = 0 \n"
        "0 + 0 x By = 0\n"
        "0 By = 0\n"
        " By And Ay Cannot Be Found, The Length Of The Beam Is 0\n"
        "\n"
        "---------------------------------------------------------- \n"
        "---------------------------------------------------------- \n"
        "---------------------------------------------------------- \n";
    EXPECT_EQ(verticalSection(makeProblem(0, 100, 3, 4)), expected);
}

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
                  {{6, " ==> 7 / 2 = 3 = The Midpoint(Acting Point Of The Vertical Force)"},
                   {10, "-27 + 7 x By = 0"},
                   {11, "7 By = 27"},
                   {12, " By = 3"},
                   {15, " Ay = 9 - 3"},
                   {16, " Ay = 6"},
                   {17, " Ay = 6 kN"},
                   {21, " By = 3 kN"}}},
        LinesCase{"NegativeLengthKeepsItsSign",
                  makeProblem(-7, 9, 0, 0),
                  {{6, " ==> -7 / 2 = -3 = The Midpoint(Acting Point Of The Vertical Force)"},
                   {10, "27 + -7 x By = 0"},
                   {11, "-7 By = -27"},
                   {20, " Ay = 6 kN"}}},
        LinesCase{"NoForce",
                  makeProblem(10, 0, 0, 0),
                  {{10, "0 + 10 x By = 0"}, {13, " By = 0 kN"}, {17, " Ay = 0 kN"}}},
        LinesCase{"LengthOne",
                  makeProblem(1, 100, 0, 0),
                  {{6, " ==> 1 / 2 = 0 = The Midpoint(Acting Point Of The Vertical Force)"},
                   {12, " By = 0"},
                   {16, " Ay = 100"}}},
        LinesCase{"HorizontalForcesSummedWithTheirSigns",
                  makeProblem(10, 100, -3, 5),
                  {{2, "(+/-)Ax + (+/-)Bx = 2 Eq-2"}}},
        LinesCase{"EmptyUnitsLeaveTheirSpace",
                  makeProblem(10, 100, 0, 0, "", ""),
                  {{4, " The Acting Vertial Force Is 100 "},
                   {7, " The Center Of The Force = 5 "},
                   {13, " By = 50 "},
                   {17, " Ay = 50 "},
                   {20, " Ay = 50 "},
                   {21, " By = 50 "}}},
        LinesCase{"LengthUnitOnlyOnTheCentre",
                  makeProblem(10, 100, 0, 0, "lbf", "ft"),
                  {{4, " The Acting Vertial Force Is 100 lbf"},
                   {7, " The Center Of The Force = 5 ft"},
                   {13, " By = 50 lbf"}}},
        LinesCase{"ExtremesWithoutWrapping",
                  makeProblem(2147483647, 2147483647, 2147483647, 2147483647),
                  {{2, "(+/-)Ax + (+/-)Bx = 4294967294 Eq-2"},
                   {10, "-2305843005992468481 + 2147483647 x By = 0"},
                   {11, "2147483647 By = 2305843005992468481"},
                   {12, " By = 1073741823"},
                   {16, " Ay = 1073741824"}}},
        LinesCase{"SmallestValues",
                  makeProblem(-2147483647 - 1, -2147483647 - 1, 0, 0),
                  {{6,
                    " ==> -2147483648 / 2 = -1073741824 = The Midpoint(Acting Point Of The "
                    "Vertical Force)"},
                   {10, "-2305843009213693952 + -2147483648 x By = 0"},
                   {15, " Ay = -2147483648 - -1073741824"},
                   {16, " Ay = -1073741824"}}}),
    testing_support::CaseName{});

TEST(VerticalSection, FlushesAtTheEndOfEveryLine) {
    testing_support::FlushRecorder recorder;
    std::ostream out(&recorder);
    const beam::BeamProblem problem = makeProblem(10, 100, 0, 0);
    beam::writeVerticalSection(out, problem, beam::solveSupportReactions(problem));
    EXPECT_EQ(recorder.flushes, splitLinesKeepingEnds(verticalSection(problem)));
}

}  // namespace
